#pragma once

#include "base/array.h"
#include "crc.h"

#include <unordered_set>

// Answers whether a list of CRCs holds a value, as reading the whole list would, in constant
// time. The list only grows at its end or is emptied whole, possibly by someone else between
// two questions; the index catches up with it before every answer.
class CrcListIndex {
public:
    bool Contains(const CArray<Crc32, Crc32>& list, Crc32 crc) {
        CatchUp(list);
        return m_members.count(crc) != 0;
    }

private:
    void CatchUp(const CArray<Crc32, Crc32>& list) {
        if (list.GetSize() < m_indexed) {
            m_members.clear();
            m_indexed = 0;
        }
        for (; m_indexed < list.GetSize(); ++m_indexed) {
            m_members.insert(list[m_indexed]);
        }
    }

    std::unordered_set<Crc32> m_members;
    int m_indexed = 0;
};
