#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTToolbarButton.h>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include "GtToolbarsTestIds.h"
#include "ToolbarTestSupport.h"

// A button kind whose class data may name but which cannot be made by class.
class UncreatableButton : public CGTToolbarButton {
    DECLARE_DYNAMIC(UncreatableButton)
};
IMPLEMENT_RUNTIMECLASS(UncreatableButton, CGTToolbarButton, VERSIONABLE_SCHEMA | 1, nullptr)

namespace {
const AFX_CLASSINIT uncreatableInit(RUNTIME_CLASS(UncreatableButton));

// A button stored with every field set apart from its defaults.
void Fill(CGTToolbarButton& oButton, UINT iCommand)
{
    oButton.m_CommandId = iCommand;
    oButton.m_Style = TBBS_CHECKBOX | TBBS_CHECKED;
    oButton.SetImage(3);
    oButton.m_Text = L"&Go";
    oButton.m_ShowText = TRUE;
    oButton.m_ShowImage = FALSE;
    oButton.m_FromCommandList = TRUE;
    oButton.SetVisible(FALSE);
}

void ExpectSameStoredFields(const CGTToolbarButton& iExpected, const CGTToolbarButton& iActual)
{
    EXPECT_EQ(iExpected.m_CommandId, iActual.m_CommandId);
    EXPECT_EQ(iExpected.m_Style, iActual.m_Style);
    EXPECT_EQ(iExpected.GetImage(), iActual.GetImage());
    EXPECT_EQ(iExpected.m_Text, iActual.m_Text);
    EXPECT_EQ(iExpected.m_UserImage, iActual.m_UserImage);
    EXPECT_EQ(iExpected.m_FromCommandList, iActual.m_FromCommandList);
    EXPECT_EQ(iExpected.m_ShowText, iActual.m_ShowText);
    EXPECT_EQ(iExpected.m_ShowImage, iActual.m_ShowImage);
}

// The archive of a button, the menu hash busy around it or not.
std::vector<BYTE> Store(CGTToolbarButton& ioButton, BOOL iBusy)
{
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        if (iBusy)
            CMenuHash::Instance().SerializeBar(ioButton, archive);
        else
            ioButton.Serialize(archive);
    }
    const UINT size = static_cast<UINT>(file.GetLength());
    std::vector<BYTE> bytes(size);
    file.SeekToBegin();
    file.Read(bytes.data(), size);
    return bytes;
}

void Load(CGTToolbarButton& oButton, std::vector<BYTE> iBytes, BOOL iBusy)
{
    CMemFile file(iBytes.data(), static_cast<UINT>(iBytes.size()));
    CArchive archive(&file, CArchive::load);
    if (iBusy)
        CMenuHash::Instance().SerializeBar(oButton, archive);
    else
        oButton.Serialize(archive);
}

size_t ArchivedTextSize(LPCWSTR iText)
{
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        archive << CString(iText);
    }
    return static_cast<size_t>(file.GetLength());
}

// A memory DC with the toolkit's regular font.
class MeasuringDC : public CDC {
public:
    MeasuringDC()
    {
        CreateCompatibleDC(nullptr);
        m_Previous = SelectObject(&theGuiToolkitGlobals.fontRegular);
    }
    ~MeasuringDC() override { SelectObject(m_Previous); }

private:
    CFont* m_Previous;
};

// The data of a drag: the class named, then whatever the class wrote.
std::unique_ptr<COleDataSource> DragData(CRuntimeClass* iClass, const std::function<void(CArchive&)>& iWrite)
{
    CSharedFile file(GMEM_MOVEABLE);
    {
        CArchive archive(&file, CArchive::store);
        archive.WriteClass(iClass);
        iWrite(archive);
    }
    auto source = std::make_unique<COleDataSource>();
    source->CacheGlobalData(CGTToolbarButton::GetClipboardFormat(), file.Detach());
    return source;
}

CGTToolbarButton* ReadBack(COleDataSource& iSource)
{
    COleDataObject data;
    data.Attach(static_cast<LPDATAOBJECT>(iSource.GetInterface(&IID_IDataObject)), FALSE);
    return CGTToolbarButton::CreateFromOleData(&data);
}
}  // namespace

TEST(ToolbarButton, StoresItsVisibleFlagOnlyForNewerDataOrTheMenuHash)
{
    const struct {
        int major, minor;  // of the workspace's data; 0: no workspace
        BOOL busy;
        int words;
    } cases[] = {
        {0, 0, FALSE, 8},
        {6, 4, FALSE, 8},   // 0x60400
        {6, 41, FALSE, 9},  // 0x60410
        {0, 0, TRUE, 9},
    };
    for (const auto& c : cases) {
        std::unique_ptr<VersionedWorkspace> workspace;
        if (c.major != 0)
            workspace = std::make_unique<VersionedWorkspace>(c.major, c.minor);
        CGTToolbarButton stored;
        Fill(stored, 0x7001);
        const std::vector<BYTE> bytes = Store(stored, c.busy);
        EXPECT_EQ(c.words * 4 - 4 + ArchivedTextSize(L"&Go"), bytes.size()) << c.minor << " " << c.busy;

        CGTToolbarButton loaded;
        Load(loaded, bytes, c.busy);
        ExpectSameStoredFields(stored, loaded);
        EXPECT_EQ(c.words == 9 ? FALSE : TRUE, loaded.IsVisible());
    }
}

TEST(ToolbarButton, ACopyTakesTheFieldsButNotTheCommandListMark)
{
    CGTToolbarButton source(0, 2, L"Copy", FALSE, TRUE);
    Fill(source, 0x7002);
    source.m_Copied = TRUE;
    source.m_SecondText = L"second";
    source.m_SecondFlag = FALSE;

    CGTToolbarButton copy;
    copy.CopyFrom(source);

    EXPECT_FALSE(copy.m_FromCommandList);
    source.m_FromCommandList = FALSE;
    ExpectSameStoredFields(source, copy);
    EXPECT_TRUE(copy.IsLocked());
    EXPECT_TRUE(copy.m_Copied);
    EXPECT_EQ(CString(L"second"), copy.m_SecondText);
    EXPECT_FALSE(copy.IsVisible());
    EXPECT_TRUE(copy.m_SecondFlag);
}

TEST(ToolbarButton, SetImageGoesThroughTheCommandManager)
{
    CGTCommandManager& commands = GetCommandManager();
    commands.SetCommandImage(0x7101, 5, TRUE);
    commands.SetCommandImage(0x7102, 3, FALSE);

    CGTToolbarButton userOnly(0x7101, -1);
    EXPECT_TRUE(userOnly.m_UserImage);
    EXPECT_EQ(5, userOnly.GetImage());
    CGTToolbarButton standard(0x7102, -1);
    EXPECT_FALSE(standard.m_UserImage);
    EXPECT_EQ(3, standard.GetImage());
    EXPECT_TRUE(standard.m_ShowImage);

    // Without any image the button shows its text.
    CGTToolbarButton none(0x7103, -1);
    EXPECT_FALSE(none.m_ShowImage);
    EXPECT_TRUE(none.m_ShowText);

    // While the switch is off only user images are recorded.
    CGTToolbarButton::s_UpdateImages = FALSE;
    CGTToolbarButton notRecorded(0x7104, 4);
    CGTToolbarButton recorded(0x7105, 6, nullptr, TRUE);
    CGTToolbarButton::s_UpdateImages = TRUE;
    EXPECT_EQ(-1, commands.GetCommandImage(0x7104, FALSE));
    EXPECT_EQ(6, commands.GetCommandImage(0x7105, TRUE));
    CGTToolbarButton nowRecorded(0x7106, 4);
    EXPECT_EQ(4, commands.GetCommandImage(0x7106, FALSE));

    CGTToolbarButton separator;
    separator.m_Style = TBBS_SEPARATOR;
    separator.SetImage(12);
    MeasuringDC dc;
    EXPECT_EQ(CSize(12, 22), separator.CalcSize(&dc, CSize(23, 22), TRUE));
}

TEST(ToolbarButton, DefaultImagesComeFromTheToolbarsResources)
{
    CGTUserToolsManager tools(0x7500, 0x7501);
    const UINT toolCommand = tools.CreateNewTool()->m_CommandId;
    CGTToolBar::SetDefaultImage(0x7401, 7);
    const struct {
        UINT id;
        BOOL userImage;
        int image;
        BOOL showText;
        LPCWSTR text;
    } cases[] = {
        {0x7401, FALSE, 7, FALSE, L""},
        {ID_GT_TEST_OPEN, FALSE, 2, TRUE, L"Open Report"},  // no default: the button turns to text
        {0x7402, TRUE, 2, FALSE, L""},                      // user images stay
        {toolCommand, FALSE, 2, FALSE, L""},                // tools keep their icons
    };
    for (const auto& c : cases) {
        CGTToolbarButton button(c.id, 2, nullptr, c.userImage, TRUE);
        button.ResetImageToDefault();
        EXPECT_EQ(c.image, button.GetImage()) << c.id;
        EXPECT_EQ(c.showText, button.m_ShowText) << c.id;
        EXPECT_EQ(CString(c.text), button.m_Text) << c.id;
    }

    CGTToolbarButton named(ID_GT_TEST_OPEN, 0, nullptr, FALSE, TRUE);
    CGTToolbarButton target;
    EXPECT_TRUE(named.ExportTo(target));
    EXPECT_EQ(CString(L"Open Report"), target.m_Text);
}

TEST(ToolbarButton, MeasuresItsImageAndCaption)
{
    MeasuringDC dc;
    const CSize defaultSize(23, 22);
    const int ampersand = dc.GetTextExtent(L"&").cx;
    const int ab = dc.GetTextExtent(L"AB").cx;
    CRect below(0, 0, 3 * defaultSize.cx, defaultSize.cy);
    dc.DrawText(L"Open file", &below, DT_CALCRECT | DT_CENTER | DT_WORDBREAK);
    const struct {
        const char* name;
        std::function<void(CGTToolbarButton&)> setUp;
        BOOL horizontal;
        CSize expected;
    } cases[] = {
        {"invisible", [](CGTToolbarButton& b) { b.SetVisible(FALSE); }, TRUE, CSize(0, 0)},
        {"separator", [](CGTToolbarButton& b) { b.m_Style = TBBS_SEPARATOR; }, TRUE, CSize(8, 22)},
        {"vertical separator", [](CGTToolbarButton& b) { b.m_Style = TBBS_SEPARATOR, b.SetImage(30); }, FALSE,
         CSize(23, 8)},
        {"image", [](CGTToolbarButton&) {}, TRUE, CSize(23, 22)},
        {"doubled ampersand", [](CGTToolbarButton& b) { b.m_Text = L"&&", b.SetImage(-1); }, TRUE,
         CSize(ampersand + 9, 22)},
        {"access key", [](CGTToolbarButton& b) { b.m_Text = L"A&B", b.SetImage(-1); }, FALSE, CSize(23, ab + 9)},
        {"image and text", [](CGTToolbarButton& b) { b.m_Text = L"A&B", b.m_ShowText = TRUE; }, TRUE,
         CSize(23 + ab + 6, 22)},
        {"text below", [](CGTToolbarButton& b) { b.m_Text = L"Open file", b.m_TextBelow = TRUE; }, TRUE,
         CSize(std::max(23, below.Width() + 6) + 12, 22 + below.Height() + 1)},
    };
    for (const auto& c : cases) {
        CGTToolbarButton button(0, 0, nullptr, FALSE, TRUE);
        c.setUp(button);
        EXPECT_EQ(c.expected, button.CalcSize(&dc, defaultSize, c.horizontal)) << c.name;
    }
}

TEST(ToolbarButton, TravelsAsDragDataOfItsClass)
{
    CGTToolbarButton dragged;
    Fill(dragged, 0x7201);
    COleDataSource source;
    ASSERT_TRUE(dragged.PrepareDrag(source));

    std::unique_ptr<CGTToolbarButton> dropped(ReadBack(source));
    ASSERT_NE(nullptr, dropped);
    EXPECT_EQ(RUNTIME_CLASS(CGTToolbarButton), dropped->GetRuntimeClass());
    ExpectSameStoredFields(dragged, *dropped);

    CString name;
    EXPECT_GT(::GetClipboardFormatNameW(CGTToolbarButton::GetClipboardFormat(), name.GetBuffer(64), 64), 0);
    name.ReleaseBuffer();
    EXPECT_EQ(CGTToolbarButton::ClipboardFormatName(AfxGetInstanceHandle()), name);
}

TEST(ToolbarButton, DataOfAnyOtherClassMakesNoButton)
{
    const int made = ForeignThing::s_Made;
    auto foreign = DragData(RUNTIME_CLASS(ForeignThing), [](CArchive& ar) { ar << 7; });
    EXPECT_EQ(nullptr, ReadBack(*foreign));
    EXPECT_EQ(made, ForeignThing::s_Made);

    auto uncreatable = DragData(RUNTIME_CLASS(UncreatableButton), [](CArchive&) {});
    EXPECT_EQ(nullptr, ReadBack(*uncreatable));

    COleDataSource empty;
    EXPECT_EQ(nullptr, ReadBack(empty));
}

TEST(ToolbarButton, ClipboardFormatNamesTheModuleAtPointerWidth)
{
    const struct {
        UINT_PTR module;
        LPCWSTR name;
    } cases[] = {
        {0x400000, L"RIRToolbarButton400000"},
        {static_cast<UINT_PTR>(0x7FF612340000 & UINTPTR_MAX),
         sizeof(UINT_PTR) == 8 ? L"RIRToolbarButton7ff612340000" : L"RIRToolbarButton12340000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.name), CGTToolbarButton::ClipboardFormatName(reinterpret_cast<HINSTANCE>(c.module)));
}

TEST(ToolbarButton, DrawsThroughTheLookInOrder)
{
    RecordingLookInPlace look;
    MeasuringDC dc;
    const struct {
        UINT style;
        BOOL highlight;
        BOOL customize;
        std::vector<std::string> calls;
    } cases[] = {
        {0, FALSE, FALSE, {"fill0", "text0"}},
        {0, TRUE, FALSE, {"fill2", "text2", "border2"}},
        {TBBS_PRESSED, TRUE, FALSE, {"fill1", "text1", "border1"}},
        {TBBS_DISABLED, TRUE, FALSE, {"fill2", "text2"}},
        {TBBS_CHECKED, FALSE, TRUE, {"fill1", "text1"}},
    };
    for (const auto& c : cases) {
        look->m_Calls.clear();
        CGTToolbarButton button(0, 0, L"Go", FALSE, TRUE);
        button.m_ShowText = TRUE;
        button.m_Style = c.style;
        button.OnDraw(&dc, CRect(0, 0, 60, 22), nullptr, TRUE, c.customize, c.highlight, TRUE, TRUE);
        EXPECT_EQ(c.calls, look->m_Calls) << c.style << " " << c.highlight;
    }
}

TEST(ToolbarButton, ShowsItsImageWhenHot)
{
    CGTToolBarImages images;
    images.sizeImage = CSize(16, 15);
    ASSERT_TRUE(images.LoadFromResource(IDR_GT_TEST_BAR, AfxGetResourceHandle()));
    MeasuringDC dc;
    CBitmap bitmap;
    bitmap.CreateBitmap(24, 23, 1, 32, nullptr);
    CBitmap* previous = dc.SelectObject(&bitmap);
    for (BOOL hot : {FALSE, TRUE}) {
        dc.FillSolidRect(0, 0, 24, 23, theGuiToolkitGlobals.colorBtnFace);
        CGTToolbarButton button(ID_GT_TEST_SECOND, 1, nullptr, FALSE, TRUE);
        CGTImageDrawPass pass;
        ASSERT_TRUE(images.BeginDrawing(pass));
        button.OnDraw(&dc, CRect(0, 0, 24, 23), &images, TRUE, FALSE, hot, TRUE, TRUE);
        images.FinishDrawing(pass);
        // The second image is a green square.
        EXPECT_EQ(RGB(0, 255, 0), dc.GetPixel(12, 11)) << hot;
    }
    dc.SelectObject(previous);
}
