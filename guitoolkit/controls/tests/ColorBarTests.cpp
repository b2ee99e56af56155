#include <guitoolkit/controls/CColorButton.h>
#include <guitoolkit/controls/CColorPopup.h>
#include <guitoolkit/controls/CGTColorBar.h>
#include <guitoolkit/controls/CGTColorMenuButton.h>
#include <guitoolkit/controls/CGTGridColorItem.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/controls/CGTLastColors.h>
#include <guitoolkit/core/CGTColorValues.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <afxexcept.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "ControlsTestSupport.h"

namespace {
const COLORREF red = RGB(255, 0, 0);
const COLORREF green = RGB(0, 255, 0);
const COLORREF blue = RGB(0, 0, 255);
const COLORREF noColor = static_cast<COLORREF>(-1);
const UINT colorCommand = 40100;

GTColorBarSettings Settings(std::vector<COLORREF> iColors, COLORREF iSelected = noColor)
{
    GTColorBarSettings settings;
    settings.colors = std::move(iColors);
    settings.selected = iSelected;
    return settings;
}

// One letter per cell: A automatic, P palette, C caption, D document, O other, I selected
// colour; lower case for a highlighted cell.
std::string DescribeCells(const CGTColorBar& iBar)
{
    std::string text;
    for (int index = 0; index < iBar.GetButtonCount(); ++index) {
        const auto* cell = dynamic_cast<const CColorButton*>(iBar.GetButton(index));
        char letter = cell->m_Automatic ? 'A'
            : cell->m_Caption           ? 'C'
            : cell->m_Document          ? 'D'
            : cell->m_Other             ? 'O'
            : cell->m_Indicator         ? 'I'
                                        : 'P';
        text += cell->m_Highlighted ? static_cast<char>(letter - 'A' + 'a') : letter;
    }
    return text;
}

// A frame that records the commands it gets.
class ColorFrame : public CFrameWnd {
public:
    ColorFrame() { Create(nullptr, L"Colours", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)); }
    ~ColorFrame() override { DestroyWindow(); }
    std::vector<UINT> m_Commands;

protected:
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override
    {
        m_Commands.push_back(LOWORD(iWParam));
        return CFrameWnd::OnCommand(iWParam, iLParam);
    }
    void PostNcDestroy() override {}
};

void Pump()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

template <class Object>
void RoundTrip(Object& iFrom, Object& oTo)
{
    CMemFile file;
    {
        CArchive store(&file, CArchive::store);
        iFrom.Serialize(store);
    }
    file.SeekToBegin();
    CArchive load(&file, CArchive::load);
    oTo.Serialize(load);
}
}  // namespace

TEST(ColorBar, CellsComeInTheirOrderWithTheSelectionHighlighted)
{
    struct Case {
        LPCWSTR automatic, document, other;
        COLORREF selected;
        std::string cells;
    };
    const Case cases[] = {
        {L"", L"", L"", red, "pPP"},
        {L"Automatic", L"", L"", noColor, "aPPP"},
        {L"Automatic", L"", L"", green, "APpP"},
        {L"", L"Document", L"", blue, "PPpCDd"},
        {L"", L"", L"Other...", RGB(1, 2, 3), "PPPOI"},
        {L"Automatic", L"Document", L"Other...", noColor, "aPPPCDDOI"},
    };
    for (const Case& test : cases) {
        GTColorBarSettings settings = Settings({red, green, blue}, test.selected);
        settings.automaticCaption = test.automatic;
        settings.documentCaption = test.document;
        settings.otherCaption = test.other;
        if (*test.document != 0) {
            settings.documentColors = {RGB(9, 9, 9), blue};
        }
        CGTColorBar bar(settings);
        bar.Rebuild();
        EXPECT_EQ(test.cells, DescribeCells(bar)) << test.selected;
    }
}

TEST(ColorBar, GridSizeFollowsColumnsOrTheSquareRoot)
{
    struct Case {
        int count, columns;
        CSize grid;
    };
    const Case cases[] = {
        {20, 0, CSize(5, 4)}, {16, -1, CSize(5, 4)}, {15, 0, CSize(4, 4)},
        {1, 0, CSize(2, 1)},  {20, 8, CSize(8, 3)},  {0, 0, CSize(1, 0)},
    };
    for (const Case& test : cases) {
        GTColorBarSettings settings = Settings(std::vector<COLORREF>(test.count, red));
        settings.columns = test.columns;
        CGTColorBar bar(settings);
        EXPECT_EQ(test.grid, bar.GetGridSize()) << test.count << " colours, " << test.columns << " columns";
    }
}

TEST(ColorBar, ADockedBarTakesItsDockedRowsOrColumns)
{
    GTColorBarSettings settings = Settings(std::vector<COLORREF>(20, red));
    settings.dockedRows = 3;
    settings.dockedColumns = 2;
    CGTColorBar popup(settings);
    CGTColorBar docked(popup, colorCommand);
    docked.SetBarStyle(CBRS_ALIGN_TOP);
    EXPECT_EQ(CSize(7, 3), docked.GetGridSize());
    docked.SetBarStyle(CBRS_ALIGN_LEFT);
    EXPECT_EQ(CSize(2, 10), docked.GetGridSize());
    EXPECT_EQ(CSize(5, 4), popup.GetGridSize()) << "a popup keeps the automatic rule";
}

TEST(ColorBar, ExtraHeightCountsTheCaptionedRowsAndTheDocumentColours)
{
    ParentWindow parent;
    struct Case {
        LPCWSTR automatic, other, document;
        int documents;
        int rows;          // captioned rows
        int spacings;      // vertical spacings
        int documentRows;  // rows of document boxes (with their 4 pixels)
    };
    const Case cases[] = {
        {L"", L"", L"", 0, 0, 0, 0},         {L"Automatic", L"", L"", 0, 1, 0, 0},
        {L"", L"Other...", L"", 0, 1, 1, 0}, {L"Automatic", L"Other...", L"", 0, 2, 0, 0},
        {L"", L"", L"Document", 0, 0, 0, 0}, {L"", L"", L"Document", 6, 1, 1, 2},
    };
    for (const Case& test : cases) {
        GTColorBarSettings settings = Settings({red, green, blue});
        settings.columns = 4;
        settings.automaticCaption = test.automatic;
        settings.otherCaption = test.other;
        settings.documentCaption = test.document;
        for (int index = 0; index < test.documents; ++index)
            settings.documentColors.push_back(RGB(index, 0, 0));
        CGTColorBar bar(settings);
        ASSERT_TRUE(bar.Create(&parent, WS_CHILD | CBRS_ALIGN_TOP, 1));
        const CSize box = bar.GetBoxSize();
        const int rowHeight = box.cy * 3 / 2;
        const int expected =
            test.rows * rowHeight + test.spacings * 4 + (test.documentRows > 0 ? test.documentRows * box.cy + 4 : 0);
        EXPECT_EQ(expected, bar.GetExtraHeight(4)) << test.automatic << test.other << test.document;
        const CSize size = bar.CalcFixedLayout(FALSE, TRUE);
        EXPECT_EQ(CSize(box.cx * 4 + 8, expected + box.cy + 8), size);
    }
}

TEST(ColorBar, AControlDerivesItsColumnsFromItsRectangle)
{
    struct Case {
        int count;
        CSize size;
        int columns;
    };
    const Case cases[] = {
        {20, CSize(208, 88), 7},   // 6 columns: 3 rows of 33 pixels pass the height of 80
        {20, CSize(108, 108), 5},  // 4 columns: 5 rows of 25 pixels pass 100
        {4, CSize(40, 400), 0},    // even one column stays below the height: the automatic rule
    };
    for (const Case& test : cases)
        EXPECT_EQ(test.columns, CGTColorBar::ControlColumns(test.count, test.size, 4, 4)) << test.size.cx;
}

TEST(ColorBar, TooltipsNameTheColourOrShowItsHexForm)
{
    CColorButton plain(RGB(0x12, 0xAB, 0x05), FALSE, nullptr, FALSE, nullptr);
    EXPECT_STREQ(L"Hex={12,AB,05}", plain.GetTooltip());
    CGTColorValues::ColorNames().SetAt(red, L"Red");
    CColorButton named(red, FALSE, nullptr, FALSE, nullptr);
    EXPECT_STREQ(L"Red", named.GetTooltip());
    CGTColorValues::ColorNames().RemoveKey(red);
    std::unique_ptr<CColorButton> other(CColorButton::MakeOther(L"Other...", nullptr));
    EXPECT_STREQ(L"Other...", other->GetTooltip());
    CGTToolBar::s_ShowTooltips = FALSE;
    EXPECT_STREQ(L"", plain.GetTooltip());
    CGTToolBar::s_ShowTooltips = TRUE;
}

TEST(ColorBar, SelectingMovesTheHighlightAndShowsAnUnlistedColourInTheIndicator)
{
    ParentWindow parent;
    GTColorBarSettings settings = Settings({red, green, blue}, red);
    settings.automaticCaption = L"Automatic";
    settings.otherCaption = L"Other...";
    CGTColorBar bar(settings);
    ASSERT_TRUE(bar.Create(&parent, WS_CHILD | CBRS_ALIGN_TOP, 1));
    EXPECT_EQ("ApPPOI", DescribeCells(bar));
    const auto* indicator = dynamic_cast<const CColorButton*>(bar.GetButton(5));
    EXPECT_TRUE(indicator->IsHiddenByLayout());
    bar.SetSelectedColor(RGB(7, 7, 7));
    EXPECT_EQ("APPPOI", DescribeCells(bar));
    EXPECT_FALSE(indicator->IsHiddenByLayout());
    EXPECT_EQ(RGB(7, 7, 7), indicator->m_Color);
    bar.SetSelectedColor(noColor);
    EXPECT_EQ("aPPPOI", DescribeCells(bar));
    EXPECT_TRUE(indicator->IsHiddenByLayout());
}

TEST(ColorBar, StoredBarsMenuButtonsAndLastColoursComeBack)
{
    GTColorBarSettings settings = Settings({red, green, blue});
    settings.columns = 3;
    settings.automaticCaption = L"Automatic";
    settings.otherCaption = L"Other...";
    settings.automaticColor = blue;
    settings.commandId = colorCommand;
    settings.systemDialog = TRUE;
    CGTColorBar stored(settings);
    CGTColorBar loaded;
    RoundTrip(stored, loaded);
    EXPECT_EQ(stored.GetColors(), loaded.GetColors());
    EXPECT_EQ(colorCommand, loaded.GetCommandId());
    EXPECT_EQ(CSize(3, 1), loaded.GetGridSize());
    EXPECT_EQ("aPPPOI", DescribeCells(loaded));

    CGTColorMenuButton button(colorCommand, L"Colour", {red, green});
    button.EnableOtherButton(L"More colours");
    CGTColorMenuButton loadedButton;
    RoundTrip(button, loadedButton);
    EXPECT_EQ(button.GetColors(), loadedButton.GetColors());
    EXPECT_EQ(colorCommand, loadedButton.m_CommandId);

    CGTLastColors::RemoveAll();
    CGTLastColors::Set(1, red);
    CGTLastColors::Set(2, green);
    CMemFile file;
    {
        CArchive store(&file, CArchive::store);
        CGTLastColors::Serialize(store);
    }
    CGTLastColors::RemoveAll();
    file.SeekToBegin();
    {
        CArchive load(&file, CArchive::load);
        CGTLastColors::Serialize(load);
    }
    EXPECT_EQ(2, CGTLastColors::GetCount());
    EXPECT_EQ(green, CGTLastColors::Get(2));
    CGTLastColors::RemoveAll();
}

// A stored colour bar whose palette count is iCount, followed by iPresent colours.
void StoreCorruptBar(CFile& ioFile, int iCount, int iPresent)
{
    CArchive store(&ioFile, CArchive::store);
    CGTColorBar empty;
    empty.CGTPopupMenuBar::Serialize(store);
    store << 7 << -1 << -1 << red << CString(L"A") << CString(L"") << CString(L"") << 0 << 5u << 0;
    store << iCount;
    for (int index = 0; index < iPresent; ++index)
        store << green;
}

TEST(ColorBar, ACorruptColourCountChangesNothing)
{
    struct Case {
        int count, present;
    };
    for (const Case& test : {Case{257, 257}, Case{10, 3}, Case{-1, 0}}) {
        CGTColorBar bar(Settings({red, blue}));
        CMemFile file;
        StoreCorruptBar(file, test.count, test.present);
        file.SeekToBegin();
        CArchive load(&file, CArchive::load);
        BOOL thrown = FALSE;
        try {
            bar.Serialize(load);
        } catch (CArchiveException* error) {
            thrown = TRUE;
            error->Delete();
        }
        EXPECT_TRUE(thrown) << test.count;
        EXPECT_EQ((std::vector<COLORREF>{red, blue}), bar.GetColors());
        EXPECT_EQ(0u, bar.GetCommandId());
        EXPECT_EQ(2, bar.GetGridSize().cx) << "columns unchanged";
    }
}

namespace {
// The cell of a palette colour.
CGTToolbarButton* CellOf(CGTColorBar& iBar, COLORREF iColor)
{
    for (int index = 0; index < iBar.GetButtonCount(); ++index) {
        auto* cell = dynamic_cast<CColorButton*>(iBar.GetButton(index));
        if (cell->IsColorCell() && !cell->m_Indicator && cell->m_Color == iColor)
            return cell;
    }
    return nullptr;
}

// A toolbar on the frame with two colour menu buttons of the same command.
struct ColorToolBar : CGTToolBar {
    explicit ColorToolBar(CFrameWnd& iFrame)
    {
        Create(&iFrame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE881);
        InsertButton(new CGTColorMenuButton(colorCommand, L"Colour", {red, green, blue}));
        InsertButton(new CGTColorMenuButton(colorCommand, L"Colour too", {red, green, blue}));
    }
    CGTColorMenuButton& Button(int iIndex) { return *dynamic_cast<CGTColorMenuButton*>(GetButton(iIndex)); }
};
}  // namespace

TEST(ColorBar, AFreeBarsChoiceReachesTheMenuButtonsTheMapAndTheFrame)
{
    CGTLastColors::RemoveAll();
    ColorFrame frame;
    ColorToolBar toolbar(frame);
    GTColorBarSettings settings = Settings({red, green, blue});
    settings.commandId = colorCommand;
    CGTColorBar popup(settings);
    CGTColorBar bar(popup, colorCommand);
    ASSERT_TRUE(bar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE882));
    bar.SetOwner(&frame);
    bar.OnSendCommand(CellOf(bar, green));
    Pump();
    EXPECT_EQ(green, bar.GetColor());
    EXPECT_EQ(green, toolbar.Button(0).GetColor());
    EXPECT_EQ(green, toolbar.Button(1).GetColor());
    EXPECT_EQ(green, CGTLastColors::Get(colorCommand));
    EXPECT_EQ(std::vector<UINT>{colorCommand}, frame.m_Commands);

    // A menu button's choice comes back to the bar of its command.
    toolbar.Button(0).SetColor(blue, TRUE);
    EXPECT_EQ(blue, bar.GetColor());
    EXPECT_EQ(blue, toolbar.Button(1).GetColor());
    bar.DestroyWindow();
    toolbar.DestroyWindow();
    CGTLastColors::RemoveAll();
}

TEST(ColorBar, AControlReportsItsChoiceWithItsControlId)
{
    CGTLastColors::RemoveAll();
    ParentWindow parent;
    CGTColorBar bar;
    ASSERT_TRUE(bar.CreateControl(&parent, CRect(10, 10, 118, 118), 321));
    EXPECT_EQ(20u, bar.GetColors().size());
    const COLORREF chosen = bar.GetColors()[3];
    const CPoint point = bar.GetCellRect(chosen).CenterPoint();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(chosen, bar.GetColor());
    EXPECT_EQ(std::vector<WPARAM>{MAKEWPARAM(321, 0)}, parent.Commands());
    EXPECT_EQ(0, CGTLastColors::GetCount()) << "a control leaves the map alone";
    CRect client;
    bar.GetClientRect(&client);
    for (COLORREF color : bar.GetColors())
        EXPECT_TRUE(CRect().IntersectRect(client, bar.GetCellRect(color))) << color;
    EXPECT_EQ(bar.GetCellRect(chosen).Width(), bar.GetCellRect(chosen).Height()) << "square cells";
}

TEST(ColorBar, AGridColourCellsDropDownSetsTheCellOnce)
{
    struct Grid : CGTGridCtrl {
        void OnItemChanged(CGTGridItem*, int, int) override { ++m_Changes; }
        int m_Changes = 0;
    } grid;
    ColorFrame frame;
    ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &frame, 7));
    grid.InsertColumn(0, L"Colour", 100);
    CGTGridRow* row = grid.CreateRow(1);
    auto* item = new CGTGridColorItem(red);
    row->ReplaceItem(0, item);
    grid.AddRow(row);
    item->OnClickButton(CPoint(0, 0));
    CColorPopup* popup = item->GetPopup();
    ASSERT_NE(nullptr, popup);
    CGTColorBar& bar = popup->GetColorBar();
    EXPECT_EQ(red, bar.GetColor());
    bar.OnSendCommand(CellOf(bar, blue));
    Pump();
    EXPECT_EQ(blue, item->GetColor());
    EXPECT_EQ(1, grid.m_Changes);
    EXPECT_EQ(nullptr, item->GetPopup()) << "the popup closed";
    grid.DestroyWindow();
}
