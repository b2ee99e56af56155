// Data transfer without input: what a data source offers and a data object reads, an object
// archived into global memory and read back as toolbar buttons travel, a drop target driven
// through its IDropTarget, and drag scrolling with a clock of the test's.
#include "OleTestSupport.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {
const CLIPFORMAT cfPrivate = (CLIPFORMAT)::RegisterClipboardFormatW(L"ZvOleTestPrivate");

HGLOBAL GlobalFromText(LPCWSTR lpszText)
{
    SIZE_T nBytes = (wcslen(lpszText) + 1) * sizeof(WCHAR);
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    memcpy(::GlobalLock(hGlobal), lpszText, nBytes);
    ::GlobalUnlock(hGlobal);
    return hGlobal;
}

CString TextOfGlobal(HGLOBAL hGlobal)
{
    CString strText((LPCWSTR)::GlobalLock(hGlobal));
    ::GlobalUnlock(hGlobal);
    return strText;
}

// A data object reading the source's offer, as a drop target gets it.
void AttachTo(COleDataObject& dataObject, COleDataSource& source)
{
    LPDATAOBJECT lpDataObject = (LPDATAOBJECT)source.GetInterface(&IID_IDataObject);
    lpDataObject->AddRef();
    dataObject.Attach(lpDataObject);
}

// What travels: an object archived with its run-time class.
class CTravellingItem : public CObject {
    DECLARE_SERIAL(CTravellingItem)
public:
    CString m_strName;
    int m_nCommand = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_strName << m_nCommand;
        else
            ar >> m_strName >> m_nCommand;
    }
};
IMPLEMENT_SERIAL(CTravellingItem, CObject, 1)

struct OleFixture : public ::testing::Test {
    void SetUp() override { ASSERT_TRUE(AfxOleInit()); }
};
}  // namespace

TEST_F(OleFixture, TheDataObjectSeesWhatTheSourceOffersAndGetsCopiesOfIt)
{
    COleDataSource source;
    HGLOBAL hCached = GlobalFromText(L"first");
    source.CacheGlobalData(cfPrivate, hCached);
    source.CacheGlobalData(CF_UNICODETEXT, GlobalFromText(L"text"));
    source.CacheGlobalData(cfPrivate, GlobalFromText(L"second"));  // replaces the first
    COleDataObject dataObject;
    AttachTo(dataObject, source);

    EXPECT_TRUE(dataObject.IsDataAvailable(cfPrivate));
    EXPECT_TRUE(dataObject.IsDataAvailable(CF_UNICODETEXT));
    EXPECT_FALSE(dataObject.IsDataAvailable(CF_BITMAP));
    FORMATETC streamOnly = {0, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM};
    EXPECT_FALSE(dataObject.IsDataAvailable(cfPrivate, &streamOnly));

    // Each request gets a block of its own.
    HGLOBAL hFirst = dataObject.GetGlobalData(cfPrivate);
    HGLOBAL hSecond = dataObject.GetGlobalData(cfPrivate);
    ASSERT_NE(hFirst, nullptr);
    ASSERT_NE(hSecond, nullptr);
    EXPECT_NE(hFirst, hSecond);
    EXPECT_EQ(TextOfGlobal(hFirst), CString(L"second"));
    EXPECT_EQ(TextOfGlobal(hSecond), CString(L"second"));
    ::GlobalFree(hFirst);
    ::GlobalFree(hSecond);
    EXPECT_EQ(dataObject.GetGlobalData(CF_BITMAP), nullptr);

    std::vector<CLIPFORMAT> formats;
    FORMATETC formatEtc;
    dataObject.BeginEnumFormats();
    while (dataObject.GetNextFormat(&formatEtc))
        formats.push_back(formatEtc.cfFormat);
    EXPECT_EQ(formats, (std::vector<CLIPFORMAT>{CF_UNICODETEXT, cfPrivate}));

    // What a source puts on the clipboard is read the same way.
    ASSERT_EQ(::OleSetClipboard((LPDATAOBJECT)source.GetInterface(&IID_IDataObject)), S_OK);
    COleDataObject clipboard;
    ASSERT_TRUE(clipboard.AttachClipboard());
    HGLOBAL hText = clipboard.GetGlobalData(CF_UNICODETEXT);
    ASSERT_NE(hText, nullptr);
    EXPECT_EQ(TextOfGlobal(hText), CString(L"text"));
    ::GlobalFree(hText);
    clipboard.Release();
    ::OleSetClipboard(nullptr);

    source.Empty();
    EXPECT_FALSE(dataObject.IsDataAvailable(cfPrivate));
    EXPECT_EQ(dataObject.GetGlobalData(CF_UNICODETEXT), nullptr);
}

TEST_F(OleFixture, AnArchivedObjectTravelsAsAGlobalBlockOrAStreamAndComesBackAsAFile)
{
    CTravellingItem item;
    item.m_strName = L"Bold";
    item.m_nCommand = 0x8123;
    CSharedFile file(GMEM_MOVEABLE, 4096);
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteClass(RUNTIME_CLASS(CTravellingItem));
        item.Serialize(ar);
    }
    CLIPFORMAT cfStream = (CLIPFORMAT)::RegisterClipboardFormatW(L"ZvOleTestStream");
    COleDataSource source;
    // The same bytes once as a global block and once as a stream.
    ULONGLONG nLength = file.GetLength();
    HGLOBAL hGlobal = file.Detach();
    IStream* pStream = nullptr;
    ASSERT_EQ(::CreateStreamOnHGlobal(nullptr, TRUE, &pStream), S_OK);
    pStream->Write(::GlobalLock(hGlobal), (ULONG)nLength, nullptr);
    ::GlobalUnlock(hGlobal);
    pStream->Seek({}, STREAM_SEEK_SET, nullptr);
    source.CacheGlobalData(cfPrivate, hGlobal);
    STGMEDIUM stgMedium = {TYMED_ISTREAM};
    stgMedium.pstm = pStream;
    source.CacheData(cfStream, &stgMedium);
    COleDataObject dataObject;
    AttachTo(dataObject, source);

    for (CLIPFORMAT cf : {cfPrivate, cfStream}) {
        CFile* pFile = dataObject.GetFileData(cf);
        ASSERT_NE(pFile, nullptr);
        CObject* pObject = nullptr;
        {
            CArchive ar(pFile, CArchive::load);
            CRuntimeClass* pClass = ar.ReadClass();
            ASSERT_EQ(pClass, RUNTIME_CLASS(CTravellingItem));
            pObject = pClass->CreateObject();
            pObject->Serialize(ar);
        }
        delete pFile;
        CTravellingItem* pCopy = static_cast<CTravellingItem*>(pObject);
        EXPECT_EQ(pCopy->m_strName, item.m_strName);
        EXPECT_EQ(pCopy->m_nCommand, item.m_nCommand);
        delete pObject;
    }
    EXPECT_EQ(dataObject.GetFileData(CF_UNICODETEXT), nullptr);
}

namespace {
// A window of the test: a plain child of a top-level window.
struct TargetWindow {
    CWnd top, child;
    TargetWindow()
    {
        top.CreateEx(0, AfxRegisterWndClass(0), L"target", WS_POPUP | WS_VISIBLE, CRect(100, 100, 400, 300), nullptr,
                     0);
        child.Create(AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 20, 210, 120), &top, 1);
    }
};

// Records what reaches it and answers as the test says.
class CRecordingTarget : public COleDropTarget {
public:
    std::vector<CString> m_events;
    std::vector<CPoint> m_points;
    DROPEFFECT m_dropAnswer = DROPEFFECT_MOVE;
    DROPEFFECT m_dropExAnswer = (DROPEFFECT)-1;
    BOOL m_bDropAnswer = TRUE;
    DROPEFFECT m_dropDefaultSeen = 0;
    CString m_strTextSeen;

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD, CPoint point) override
    {
        Record(L"enter", pDataObject, point);
        return m_dropAnswer;
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD, CPoint point) override
    {
        Record(L"over", pDataObject, point);
        return m_dropAnswer;
    }
    void OnDragLeave(CWnd*) override { m_events.push_back(L"leave"); }
    DROPEFFECT OnDropEx(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT, CPoint point) override
    {
        Record(L"dropex", pDataObject, point);
        m_dropDefaultSeen = dropDefault;
        return m_dropExAnswer;
    }
    BOOL OnDrop(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override
    {
        Record(L"drop", pDataObject, point);
        m_dropDefaultSeen = dropEffect;
        return m_bDropAnswer;
    }
    void Revoke() override
    {
        if (m_hWnd != nullptr)
            m_events.push_back(L"revoke");
        COleDropTarget::Revoke();
    }
    IDropTarget* Interface() { return (IDropTarget*)GetInterface(&IID_IDropTarget); }

private:
    void Record(LPCWSTR lpszEvent, COleDataObject* pDataObject, CPoint point)
    {
        m_events.push_back(lpszEvent);
        m_points.push_back(point);
        HGLOBAL hText = pDataObject->GetGlobalData(CF_UNICODETEXT);
        m_strTextSeen = hText != nullptr ? TextOfGlobal(hText) : CString();
        ::GlobalFree(hText);
    }
};
}  // namespace

TEST_F(OleFixture, ADropTargetSeesDataAndClientPointsAndTheDropFallsBackFromOnDropEx)
{
    struct Case {
        const char* name;
        DROPEFFECT dropAnswer, dropExAnswer;
        BOOL bDropAnswer;
        DROPEFFECT dropAllowed;
        std::vector<CString> events;
        DROPEFFECT overEffect, dropEffect;
    };
    const Case cases[] = {
        {"OnDropEx leaves the drop to OnDrop",
         DROPEFFECT_MOVE,
         (DROPEFFECT)-1,
         TRUE,
         DROPEFFECT_COPY | DROPEFFECT_MOVE,
         {L"enter", L"over", L"dropex", L"drop"},
         DROPEFFECT_MOVE,
         DROPEFFECT_MOVE},
        {"OnDrop refuses",
         DROPEFFECT_MOVE,
         (DROPEFFECT)-1,
         FALSE,
         DROPEFFECT_COPY | DROPEFFECT_MOVE,
         {L"enter", L"over", L"dropex", L"drop"},
         DROPEFFECT_MOVE,
         DROPEFFECT_NONE},
        {"OnDropEx decides",
         DROPEFFECT_MOVE,
         DROPEFFECT_COPY,
         TRUE,
         DROPEFFECT_COPY | DROPEFFECT_MOVE,
         {L"enter", L"over", L"dropex"},
         DROPEFFECT_MOVE,
         DROPEFFECT_COPY},
        {"a move the source refuses is a copy",
         DROPEFFECT_MOVE,
         (DROPEFFECT)-1,
         TRUE,
         DROPEFFECT_COPY,
         {L"enter", L"over", L"dropex", L"drop"},
         DROPEFFECT_COPY,
         DROPEFFECT_COPY},
    };
    COleDataSource source;
    source.CacheGlobalData(CF_UNICODETEXT, GlobalFromText(L"dragged"));
    LPDATAOBJECT lpData = (LPDATAOBJECT)source.GetInterface(&IID_IDataObject);
    TargetWindow window;
    CPoint ptClient(30, 40);
    CPoint ptScreen = ptClient;
    window.child.ClientToScreen(&ptScreen);
    POINTL pt = {ptScreen.x, ptScreen.y};
    for (const Case& c : cases) {
        CRecordingTarget target;
        ASSERT_TRUE(target.Register(&window.child));
        target.m_dropAnswer = c.dropAnswer;
        target.m_dropExAnswer = c.dropExAnswer;
        target.m_bDropAnswer = c.bDropAnswer;
        IDropTarget* pTarget = target.Interface();
        DWORD dwEffect = c.dropAllowed;
        EXPECT_EQ(pTarget->DragEnter(lpData, MK_LBUTTON, pt, &dwEffect), S_OK) << c.name;
        dwEffect = c.dropAllowed;
        EXPECT_EQ(pTarget->DragOver(MK_LBUTTON, pt, &dwEffect), S_OK) << c.name;
        EXPECT_EQ(dwEffect, c.overEffect) << c.name;
        dwEffect = c.dropAllowed;
        EXPECT_EQ(pTarget->Drop(lpData, 0, pt, &dwEffect), S_OK) << c.name;
        EXPECT_EQ(dwEffect, c.dropEffect) << c.name;
        EXPECT_EQ(target.m_events, c.events) << c.name;
        EXPECT_EQ(target.m_dropDefaultSeen, c.overEffect) << c.name;
        for (CPoint point : target.m_points)
            EXPECT_EQ(point, ptClient) << c.name;
        EXPECT_EQ(target.m_strTextSeen, CString(L"dragged")) << c.name;
    }
}

TEST_F(OleFixture, ATargetRevokesItselfWithItsWindowAndWithItsObject)
{
    TargetWindow window;
    // The window goes first: the target lets go of it.
    CRecordingTarget target;
    ASSERT_TRUE(target.Register(&window.child));
    window.child.DestroyWindow();
    EXPECT_EQ(target.m_events, std::vector<CString>{L"revoke"});

    // The object goes first: the window can be registered anew, and an IDropTarget of the
    // object that somebody kept reaches nothing.
    CRecordingTarget* pDoomed = new CRecordingTarget;
    ASSERT_TRUE(pDoomed->Register(&window.top));
    IDropTarget* pKept = pDoomed->Interface();
    pKept->AddRef();
    delete pDoomed;
    COleDropTarget other;
    EXPECT_TRUE(other.Register(&window.top));
    COleDataSource source;
    DWORD dwEffect = DROPEFFECT_COPY;
    POINTL pt = {150, 150};
    EXPECT_EQ(pKept->DragEnter((LPDATAOBJECT)source.GetInterface(&IID_IDataObject), MK_LBUTTON, pt, &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, DROPEFFECT_NONE);
    pKept->Release();
}

namespace {
class CManualClock : public IDragScrollClock {
public:
    DWORD m_dwNow = 1000;
    DWORD GetTickCount() override { return m_dwNow; }
};

class CTallView : public CScrollView {
public:
    void OnDraw(CDC*) override {}
};
}  // namespace

TEST_F(OleFixture, DragScrollingWaitsInTheInsetThenScrollsStepByStep)
{
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), L"scroll", WS_POPUP, CRect(0, 0, 300, 300), nullptr, 0);
    CTallView* pView = new CTallView;  // deletes itself with its window
    ASSERT_TRUE(pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 200), &parent, 1));
    pView->SetScrollSizes(MM_TEXT, CSize(100, 1000), CSize(100, 100), CSize(10, 10));
    CRect rectClient;
    pView->GetClientRect(&rectClient);
    CManualClock clock;
    COleDropTarget target(&clock);
    const UINT nDelay = COleDropTarget::nScrollDelay, nInterval = COleDropTarget::nScrollInterval;
    CPoint ptBottom(rectClient.CenterPoint().x, rectClient.bottom - COleDropTarget::nScrollInset / 2);
    CPoint ptTop(ptBottom.x, rectClient.top + 1);
    CPoint ptMiddle = rectClient.CenterPoint();
    auto scrollY = [&] { return pView->GetDeviceScrollPosition().y; };
    auto at = [&](DWORD dwTicks, CPoint point, DWORD dwKeys = 0) {
        clock.m_dwNow = 1000 + dwTicks;
        return target.OnDragScroll(pView, dwKeys, point);
    };

    EXPECT_EQ(at(0, ptBottom), DROPEFFECT_SCROLL | DROPEFFECT_MOVE);
    EXPECT_EQ(at(nDelay - 1, ptBottom), DROPEFFECT_SCROLL | DROPEFFECT_MOVE);
    EXPECT_EQ(scrollY(), 0);
    EXPECT_EQ(at(nDelay, ptBottom, MK_CONTROL), DROPEFFECT_SCROLL | DROPEFFECT_COPY);
    EXPECT_EQ(scrollY(), 10);
    at(nDelay + nInterval - 1, ptBottom);
    EXPECT_EQ(scrollY(), 10);
    at(nDelay + nInterval, ptBottom);
    EXPECT_EQ(scrollY(), 20);
    // Leaving the inset starts the wait anew.
    EXPECT_EQ(at(nDelay + nInterval + 1, ptMiddle), DROPEFFECT_NONE);
    at(nDelay + nInterval + 2, ptBottom);
    at(nDelay + nInterval + 3, ptBottom);
    EXPECT_EQ(scrollY(), 20);
    // Up, where the view can scroll back; then at the top, where it cannot any more.
    DWORD dwUp = 10 * nDelay;
    at(dwUp, ptTop);
    at(dwUp += nDelay, ptTop);
    EXPECT_EQ(scrollY(), 10);
    at(dwUp += nInterval, ptTop);
    EXPECT_EQ(scrollY(), 0);
    EXPECT_EQ(at(dwUp += nInterval, ptTop), DROPEFFECT_NONE);
    // A window that is no scroll view does not scroll.
    EXPECT_EQ(target.OnDragScroll(&parent, 0, CPoint(1, 1)), DROPEFFECT_NONE);
    parent.DestroyWindow();
}
