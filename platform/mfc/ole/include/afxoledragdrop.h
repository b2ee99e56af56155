// OLE data transfer and drag and drop: COleDataSource offers data and runs the drag,
// COleDataObject reads data that a drag or the clipboard offers, COleDropSource steers the
// drag and its cursors, COleDropTarget receives drags over a window.
#pragma once
#include <afxwin.h>
#include <ole2.h>

typedef DWORD DROPEFFECT;

class COleDropSource;
class COleDataSourceImpl;
class COleDropSourceImpl;
class COleDropTargetImpl;

class COleDataObject {
public:
    COleDataObject();
    ~COleDataObject();
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    // With bAutoRelease the object releases the pointer (Release, the end).
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();
    // The data on the clipboard; FALSE when there is none to be had.
    BOOL AttachClipboard();

    // The formats offered, one by one.
    void BeginEnumFormats();
    BOOL GetNextFormat(LPFORMATETC lpFormatEtc);
    // lpFormatEtc narrows the request (medium, aspect); by default any medium of the content.
    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // The medium as the data object gives it; the caller releases it (ReleaseStgMedium).
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);
    // A global memory block of the caller's own (GlobalFree), or null.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);
    // The data as a memory file of the caller's own (delete it), or null.
    CFile* GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = nullptr);

    LPDATAOBJECT m_lpDataObject;

private:
    LPENUMFORMATETC m_lpEnumerator;
    BOOL m_bAutoRelease;
};

class COleDataSource : public CCmdTarget {
    DECLARE_DYNAMIC(COleDataSource)
public:
    COleDataSource();
    ~COleDataSource() override;

    // The source takes the block or medium and frees it when it is emptied or goes;
    // lpFormatEtc describes the data when the content aspect of cfFormat does not.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = nullptr);
    void CacheData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = nullptr);
    void Empty();

    // Runs the drag: it starts once the pointer leaves lpRectStartDrag (client coordinates of
    // the window whose message is being handled; by default the pointer's position) or after
    // COleDropSource::nDragDelay, as pDropSource (by default a plain one) decides. Answers the
    // effect of the drop, DROPEFFECT_NONE when the drag never started or was cancelled.
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = nullptr, COleDropSource* pDropSource = nullptr);

    // The source's IDataObject (IID_IDataObject; no reference added), else null.
    LPUNKNOWN GetInterface(const IID* piid);

private:
    COleDataSourceImpl* m_pImpl;
};

class COleDropSource : public CCmdTarget {
    DECLARE_DYNAMIC(COleDropSource)
public:
    COleDropSource();
    ~COleDropSource() override;

    // Escape or the other mouse button cancels, releasing the button that started the drag drops.
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    // Holds the mouse until the pointer leaves the start rectangle grown by nDragMinDist
    // (TRUE), nDragDelay milliseconds pass (TRUE), or the button is released, Escape is
    // pressed or the capture is lost (FALSE).
    virtual BOOL OnBeginDrag(CWnd* pWnd);

    // The source's IDropSource (IID_IDropSource; no reference added), else null.
    LPUNKNOWN GetInterface(const IID* piid);

    static UINT nDragMinDist;
    static UINT nDragDelay;

protected:
    CRect m_rectStartDrag;  // client coordinates of the window given to OnBeginDrag
    BOOL m_bDragStarted;
    DWORD m_dwButtonDrop;    // MK_ button that started the drag
    DWORD m_dwButtonCancel;  // the other one

private:
    COleDropSourceImpl* m_pImpl;

    friend class COleDataSource;
};

// Where drag scrolling reads the time; tests put a clock of their own in its place.
class IDragScrollClock {
public:
    virtual ~IDragScrollClock() = default;
    virtual DWORD GetTickCount() = 0;
};

class COleDropTarget : public CCmdTarget {
    DECLARE_DYNAMIC(COleDropTarget)
public:
    // pClock stays the caller's; by default the system's tick count.
    explicit COleDropTarget(IDragScrollClock* pClock = nullptr);
    // Revokes the registration: the window may outlive the object.
    ~COleDropTarget() override;

    // Drags over pWnd come to this object until Revoke or the end of the window. Needs OLE on
    // the calling thread (AfxOleInit).
    BOOL Register(CWnd* pWnd);
    virtual void Revoke();

    // Points are in pWnd's client coordinates. The defaults refuse the data.
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // (DROPEFFECT)-1 leaves the drop to OnDrop with the default effect; anything else is the
    // effect of the drop.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                CPoint point);
    // Scrolls a scroll view while the pointer rests in the band nScrollInset wide inside its
    // client area: first after nScrollDelay, then every nScrollInterval milliseconds.
    // DROPEFFECT_SCROLL with the effect of the keys, or DROPEFFECT_NONE outside the band.
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

    // The target's IDropTarget (IID_IDropTarget; no reference added), else null.
    LPUNKNOWN GetInterface(const IID* piid);

    static int nScrollInset;
    static UINT nScrollDelay;
    static UINT nScrollInterval;

protected:
    // The scroll band of OnDragScroll for any window: rectClient is the area, scrollBy(step,
    // bDoScroll) tells whether the window can scroll by step and, with bDoScroll, scrolls it;
    // sizeLine is one step in each direction.
    typedef BOOL (*AFX_SCROLLBY)(CWnd* pWnd, CSize sizeScroll, BOOL bDoScroll);
    DROPEFFECT DragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point, const CRect& rectClient, CSize sizeLine,
                          AFX_SCROLLBY pfnScrollBy);

    HWND m_hWnd;  // the registered window

private:
    COleDropTargetImpl* m_pImpl;
    IDragScrollClock* m_pClock;
    // The scroll direction the pointer rests in, when it came there or last scrolled, and the
    // time until the next step.
    CSize m_sizeScrollDir;
    DWORD m_dwLastTick;
    UINT m_nScrollWait;

    friend class COleDropTargetImpl;
};
