#include <guitoolkit/controls/CGTToolbarEditCtrl.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/toolbars/CGTComboEdit.h>
#include <guitoolkit/toolbars/CGTToolbarComboBoxButton.h>
#include <guitoolkit/toolbars/CGTToolbarEditBoxButton.h>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>
#include "PopupTestSupport.h"

namespace {
const UINT command = 0x7400;

// A frame that keeps every command with its notification code and sender.
class NotifyFrame : public StackFrame {
public:
    NotifyFrame() { Create(nullptr, L"Controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 200)); }
    ~NotifyFrame() override { DestroyWindow(); }
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == WM_COMMAND)
            m_Commands.push_back({static_cast<UINT>(iWParam), reinterpret_cast<HWND>(iLParam)});
        return StackFrame::WindowProc(iMessage, iWParam, iLParam);
    }
    std::vector<std::pair<UINT, HWND>> m_Commands;
};

// A bar on the frame holding one button.
class ButtonBar : public CGTToolBar {
public:
    ButtonBar(CFrameWnd& iFrame, CGTToolbarButton* iButton, int iTop)
    {
        CreateEx(&iFrame);
        InsertButton(iButton);
        SetWindowPos(nullptr, 0, iTop, 400, 30, SWP_NOZORDER | SWP_NOACTIVATE);
        RecalcButtonLayout();
    }
    ~ButtonBar() override { DestroyWindow(); }
};

template <class Button>
struct TwoBars {
    Button* first;
    Button* second;
    NotifyFrame frame;
    std::unique_ptr<ButtonBar> top;
    std::unique_ptr<ButtonBar> bottom;
    explicit TwoBars(std::unique_ptr<Button> iFirst, std::unique_ptr<Button> iSecond)
        : first(iFirst.get()), second(iSecond.get())
    {
        top = std::make_unique<ButtonBar>(frame, iFirst.release(), 0);
        bottom = std::make_unique<ButtonBar>(frame, iSecond.release(), 40);
    }
};

std::unique_ptr<CGTToolbarComboBoxButton> Combo()
{
    return std::make_unique<CGTToolbarComboBoxButton>(command, -1, CBS_DROPDOWN, 120);
}

CString WindowText(CWnd* iWindow)
{
    CString text;
    iWindow->GetWindowText(text);
    return text;
}

// Stores the button while the menu hash serialises (busy) or plainly.
std::vector<BYTE> StoredAs(CObject& ioButton, BOOL iBusy)
{
    if (!iBusy)
        return Stored(ioButton);
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        CMenuHash::Instance().SerializeBar(ioButton, archive);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void LoadAs(CObject& oButton, std::vector<BYTE> iBytes, BOOL iBusy)
{
    if (!iBusy) {
        Load(oButton, iBytes);
        return;
    }
    CMemFile file(iBytes.data(), static_cast<UINT>(iBytes.size()));
    CArchive archive(&file, CArchive::load);
    CMenuHash::Instance().SerializeBar(oButton, archive);
}

// Under which data version (-1: no workspace) a stored button is written and read: the
// words it takes beyond the plain form (the button's visible flag among them), and whether
// the context menu id and the calculator flag are kept.
struct VersionCase {
    int version;
    BOOL busy;
    size_t extraWords;
    BOOL contextMenu;
    BOOL calculator;
};

// The workspace whose data has the packed version (0x60410: 6.41).
std::unique_ptr<VersionedWorkspace> WorkspaceOf(int iVersion)
{
    if (iVersion < 0)
        return nullptr;
    return std::make_unique<VersionedWorkspace>(iVersion >> 16, ((iVersion >> 8) & 0xF) * 10 + ((iVersion >> 4) & 0xF));
}
}  // namespace

TEST(ComboBoxButton, ItemsOfAPresentTextOnlyTakeTheNewData)
{
    NotifyFrame frame;
    auto* combo = new CGTToolbarComboBoxButton(command, -1, CBS_DROPDOWNLIST, 120);
    ButtonBar bar(frame, combo, 0);
    EXPECT_EQ(0, combo->AddItem(L"Day", 1));
    EXPECT_EQ(1, combo->AddItem(L"Week", 2));
    EXPECT_EQ(1, combo->AddItem(L"DAY", 7));
    EXPECT_EQ(2, combo->GetCount());
    EXPECT_EQ(7u, combo->GetItemData(0));
    EXPECT_EQ(7u, combo->GetComboBox()->GetItemData(0));
    EXPECT_EQ(0, combo->GetComboBox()->GetCurSel());
    EXPECT_EQ(CString(L"Day"), combo->GetText());
    EXPECT_EQ(1, combo->AddSortedItem(L"Month", 3));
    EXPECT_EQ(CString(L"Month"), combo->GetItem(1));
    CString second;
    combo->GetComboBox()->GetLBText(1, second);
    EXPECT_EQ(CString(L"Month"), second);
    EXPECT_EQ(3, combo->AddSortedItem(L"Year", 4));
    EXPECT_EQ(3, combo->AddSortedItem(L"Year", 5));

    EXPECT_FALSE(combo->SelectItem(4));
    EXPECT_TRUE(combo->SelectItem(2));
    EXPECT_EQ(CString(L"Week"), combo->GetText());
    EXPECT_EQ(2, combo->GetCurSel());
    EXPECT_EQ(-1, combo->FindItem(L"Quarter"));
}

TEST(ComboBoxButton, NotificationsTheApplicationGets)
{
    NotifyFrame frame;
    auto* combo = Combo().release();
    ButtonBar bar(frame, combo, 0);
    combo->GetComboBox()->SetCurSel(-1);
    const struct {
        int code;
        BOOL result;
    } cases[] = {{0, TRUE},
                 {CBN_SELCHANGE, TRUE},
                 {CBN_DBLCLK, FALSE},
                 {CBN_SETFOCUS, TRUE},
                 {CBN_KILLFOCUS, TRUE},
                 {CBN_EDITCHANGE, TRUE},
                 {CBN_EDITUPDATE, TRUE},
                 {CBN_DROPDOWN, FALSE},
                 {CBN_CLOSEUP, FALSE},
                 {CBN_SELENDOK, FALSE},
                 {CBN_SELENDCANCEL, FALSE}};
    for (const auto& c : cases)
        EXPECT_EQ(c.result, combo->NotifyCommand(c.code)) << c.code;
    EXPECT_FALSE(CGTToolbarComboBoxButton(command, -1).NotifyCommand(0));

    // Through the bar: what the button refuses never reaches the frame.
    const HWND window = combo->GetHwnd();
    for (const int code : {CBN_DROPDOWN, CBN_CLOSEUP, CBN_DBLCLK, CBN_SELENDCANCEL})
        bar.SendMessage(WM_COMMAND, MAKEWPARAM(command, code), reinterpret_cast<LPARAM>(window));
    bar.SendMessage(WM_COMMAND, MAKEWPARAM(command, CBN_SELCHANGE), reinterpret_cast<LPARAM>(window));
    PumpMessages();
    EXPECT_EQ((std::vector<std::pair<UINT, HWND>>{{MAKEWPARAM(command, CBN_SELCHANGE), window}}), frame.m_Commands);
}

TEST(ComboBoxButton, ButtonsOfOneCommandShowTheSameTextAndSelection)
{
    TwoBars<CGTToolbarComboBoxButton> bars(Combo(), Combo());
    for (CGTToolbarComboBoxButton* combo : {bars.first, bars.second}) {
        combo->AddItem(L"Day");
        combo->AddItem(L"Week");
    }
    // Typing in one field shows in the other, and tells the application nothing.
    bars.first->GetEditCtrl()->SetWindowText(L"Wee");
    EXPECT_EQ(CString(L"Wee"), bars.second->GetText());
    EXPECT_EQ(CString(L"Wee"), WindowText(bars.second->GetEditCtrl()));
    EXPECT_EQ(CString(L"Wee"), WindowText(bars.first->GetEditCtrl()));

    // A selection in one ends in the same selection in the other, notified once.
    const HWND window = bars.second->GetHwnd();
    bars.second->GetComboBox()->SetCurSel(1);
    bars.bottom->SendMessage(WM_COMMAND, MAKEWPARAM(command, CBN_SELENDOK), reinterpret_cast<LPARAM>(window));
    PumpMessages();
    EXPECT_EQ(1, bars.first->GetCurSel());
    EXPECT_EQ(CString(L"Week"), bars.first->GetText());
    EXPECT_EQ(CString(L"Week"), WindowText(bars.first->GetEditCtrl()));
    EXPECT_EQ(1, bars.first->GetComboBox()->GetCurSel());
    EXPECT_EQ((std::vector<std::pair<UINT, HWND>>{{MAKEWPARAM(command, CBN_SELENDOK), window}}), bars.frame.m_Commands);
}

TEST(ComboBoxButton, StoredFormsReadBackByVersion)
{
    const VersionCase cases[] = {
        {-1, FALSE, 0, FALSE}, {0x60400, FALSE, 0, FALSE}, {0x60410, FALSE, 2, TRUE}, {-1, TRUE, 2, TRUE}};
    CGTToolbarComboBoxButton combo(command, -1, CBS_DROPDOWN, 90);
    combo.AddItem(L"Day", 1);
    // Data wider than the stored 32 bits keeps its low word only.
    combo.AddItem(L"Week", static_cast<DWORD_PTR>(-1) - 0xFFFFFFFAu);
    combo.SelectItem(1);
    combo.SetContextMenuId(77);
    const size_t plainSize = Stored(combo).size();
    for (const VersionCase& c : cases) {
        const auto workspace = WorkspaceOf(c.version);
        const std::vector<BYTE> bytes = StoredAs(combo, c.busy);
        EXPECT_EQ(plainSize + 4 * c.extraWords, bytes.size()) << c.version << c.busy;

        CGTToolbarComboBoxButton read;
        LoadAs(read, bytes, c.busy);
        EXPECT_EQ(90, read.GetWidth());
        EXPECT_EQ(combo.GetComboStyle(), read.GetComboStyle());
        EXPECT_EQ(1, read.GetCurSel());
        EXPECT_EQ(CString(L"Week"), read.GetText());
        EXPECT_EQ(2, read.GetCount());
        EXPECT_EQ(1u, read.GetItemData(0));
        EXPECT_EQ(5u, read.GetItemData(1));
        EXPECT_EQ(c.contextMenu ? 77u : 0u, read.GetContextMenuId());
    }
}

TEST(EditBoxButton, TypingShowsInEveryBoxOfTheCommandAndOnlyTheTypedOneReports)
{
    TwoBars<CGTToolbarEditBoxButton> bars(std::make_unique<CGTToolbarEditBoxButton>(command, -1),
                                          std::make_unique<CGTToolbarEditBoxButton>(command, -1));
    CGTToolbarEditCtrl* typed = bars.second->GetEditBox();
    typed->SetWindowText(L"june");
    PumpMessages();
    EXPECT_EQ(CString(L"june"), bars.first->GetContents());
    EXPECT_EQ(CString(L"june"), WindowText(bars.first->GetEditBox()));
    EXPECT_EQ((std::vector<std::pair<UINT, HWND>>{{MAKEWPARAM(command, EN_UPDATE), typed->GetSafeHwnd()}}),
              bars.frame.m_Commands);

    // What the program sets reaches no one.
    bars.frame.m_Commands.clear();
    bars.first->SetContents(L"july");
    PumpMessages();
    EXPECT_EQ(CString(L"july"), WindowText(bars.first->GetEditBox()));
    EXPECT_TRUE(bars.frame.m_Commands.empty());

    // The stored text is what the window shows.
    typed->SetWindowText(L"august");
    CGTToolbarEditBoxButton read;
    Load(read, Stored(*bars.second));
    EXPECT_EQ(CString(L"august"), read.GetContents());
}

TEST(EditBoxButton, StoredFormsReadBackByVersion)
{
    const VersionCase cases[] = {{-1, FALSE, 0, FALSE, FALSE},      {0x60400, FALSE, 0, FALSE, FALSE},
                                 {0x60410, FALSE, 2, TRUE, FALSE},  {0x60720, FALSE, 3, TRUE, TRUE},
                                 {0x70000, FALSE, 1, FALSE, FALSE}, {0x80000, FALSE, 3, TRUE, TRUE},
                                 {-1, TRUE, 3, TRUE, TRUE}};
    CGTToolbarEditBoxButton edit(command, -1, ES_AUTOHSCROLL, 80);
    edit.SetContents(L"week");
    edit.SetContextMenuId(77);
    edit.EnableCalculatorMode(TRUE);
    const size_t plainSize = Stored(edit).size();
    for (const VersionCase& c : cases) {
        const auto workspace = WorkspaceOf(c.version);
        const std::vector<BYTE> bytes = StoredAs(edit, c.busy);
        EXPECT_EQ(plainSize + 4 * c.extraWords, bytes.size()) << c.version;

        CGTToolbarEditBoxButton read;
        LoadAs(read, bytes, c.busy);
        EXPECT_EQ(80, read.GetWidth());
        EXPECT_EQ(CString(L"week"), read.GetContents());
        EXPECT_EQ(c.contextMenu ? 77u : 0u, read.GetContextMenuId()) << c.version;
        EXPECT_EQ(c.calculator, read.IsCalculatorMode()) << c.version;
    }
}
