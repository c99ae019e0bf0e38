#pragma once

#include <cassert>
#include <vector>

// A growable array that only ever grows at its end or is emptied whole.
template <typename TYPE, typename ARG_TYPE> class CArray {
public:
    // Appends one element and returns its index. Throws std::bad_alloc when memory runs out.
    int Add(ARG_TYPE element) {
        m_elements.push_back(element);
        return GetSize() - 1;
    }

    const TYPE& GetAt(int index) const {
        assert(index >= 0 && index < GetSize());
        return m_elements[static_cast<std::size_t>(index)];
    }
    const TYPE& operator[](int index) const { return GetAt(index); }
    int GetSize() const { return static_cast<int>(m_elements.size()); }

    // Drops every element and releases the storage.
    void RemoveAll() { std::vector<TYPE>().swap(m_elements); }

private:
    std::vector<TYPE> m_elements;
};
