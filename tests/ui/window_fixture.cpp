#include "window_fixture.h"

#include "made_up_library.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace {

const std::vector<unsigned char>& SharedLibrary() {
    static const std::vector<unsigned char> library = MadeUpLibrary();
    return library;
}

} // namespace

void WindowTest::SetUp() {
    headless::Reset();
    m_window = std::make_unique<CSuDoKuDlg>();
    m_attached = std::make_unique<headless::AttachedWindow>(*m_window);
    const std::vector<unsigned char>& library = SharedLibrary();
    m_window->m_library.reset(new unsigned char[library.size()]);
    std::memcpy(m_window->m_library.get(), library.data(), library.size());
}

void WindowTest::ShowPuzzle(int number) {
    m_window->m_puzzleNumber = number;
    m_window->ShowLibraryPuzzle();
}

void WindowTest::Click(int x, int y) {
    headless::SendMessage(*m_window, WM_LBUTTONDOWN, 0, MAKELPARAM(x, y));
}

CPoint WindowTest::MiddleOfCell(int c, int r) const {
    return ScaleToDpi(CPoint(kBoardOrigin + kCellPitch * c + kCellPitch / 2,
                             kBoardOrigin + kCellPitch * r + kCellPitch / 2),
                      m_window->GetDpi());
}

void WindowTest::ClickCell(int c, int r) {
    const CPoint middle = MiddleOfCell(c, r);
    Click(middle.x, middle.y);
}

void WindowTest::RightClickCell(int c, int r) {
    const CPoint middle = MiddleOfCell(c, r);
    headless::SendMessage(*m_window, WM_RBUTTONDOWN, 0, MAKELPARAM(middle.x, middle.y));
}

void WindowTest::Press(const char* button) {
    const CPoint middle = ScaleToDpi(Button(button).clickedIn, m_window->GetDpi()).Middle();
    Click(middle.x, middle.y);
}

void WindowTest::Key(UINT key) {
    headless::SendMessage(*m_window, WM_KEYDOWN, key, 1);
}

void WindowTest::Enter(int c, int r, int digit) {
    ClickCell(c, r);
    Key(static_cast<UINT>('0' + digit));
}

std::vector<headless::DrawOp> WindowTest::Texts() const {
    std::vector<headless::DrawOp> texts;
    for (const headless::DrawOp& op : headless::LastPaint()) {
        if (op.kind == headless::DrawKind::Text) {
            texts.push_back(op);
        }
    }
    return texts;
}

const headless::DrawOp* WindowTest::TextAt(int x, int y) const {
    const headless::DrawOp* found = nullptr;
    for (const headless::DrawOp& op : headless::LastPaint()) {
        if (op.kind == headless::DrawKind::Text && op.x == x && op.y == y) {
            found = &op;
        }
    }
    return found;
}

const TextButton& Button(const char* name) {
    const TextButton* button = FindTextButton(name);
    if (!button) {
        throw std::invalid_argument(std::string("no text button named ") + name);
    }
    return *button;
}

int SolvedDigit(int c, int r) {
    return (3 * (r % 3) + r / 3 + c) % 9 + 1;
}
