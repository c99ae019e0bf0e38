#include "framework/dialog.h"
#include "framework/message_box.h"

#include <cctype>
#include <climits>

namespace {

const char* const kNotAnInteger = "Please enter an integer.";
constexpr std::size_t kMaxIntegerText = 63;

} // namespace

bool ParseDialogInteger(const std::string& text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t firstDigit = i;
    // The magnitude may reach INT_MAX + 1, the magnitude of INT_MIN.
    long long magnitude = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) {
            return false;
        }
    }
    if (i == firstDigit || (!negative && magnitude > INT_MAX)) {
        return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

void CDataExchange::Fail(int controlId) {
    m_failed = true;
    m_pDlgWnd->FocusAndSelectAll(controlId);
}

void DDX_Text(CDataExchange* pDX, int controlId, int& value) {
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlgWnd->SetDlgItemText(controlId, std::to_string(value));
        return;
    }
    int parsed = 0;
    if (ParseDialogInteger(pDX->m_pDlgWnd->GetDlgItemText(controlId, kMaxIntegerText), parsed)) {
        value = parsed;
        return;
    }
    AfxMessageBox(kNotAnInteger);
    pDX->Fail(controlId);
}
