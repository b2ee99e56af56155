// Thin OLE document bases. Nothing here embeds or serves a real OLE object: a container
// document keeps its client items and their states, so that frames can ask which item is
// active in place; a server document lays its in-place bars out in the container's windows.
#pragma once
#include <afxwin.h>
#include <ole2.h>

class COleClientItem;
class COleCntrFrameWnd;

class COleDocument : public CDocument {
    DECLARE_DYNAMIC(COleDocument)
public:
    COleDocument();
    // Deletes the items it still holds.
    ~COleDocument() override;

    void AddItem(COleClientItem* pItem);
    void RemoveItem(COleClientItem* pItem);
    POSITION GetStartPosition() const { return m_docItemList.GetHeadPosition(); }
    COleClientItem* GetNextClientItem(POSITION& pos) const;
    // The item active in place in the view pWnd (any view when null), else null.
    COleClientItem* GetInPlaceActiveItem(CWnd* pWnd);

protected:
    CPtrList m_docItemList;
};

class COleClientItem : public CCmdTarget {
    DECLARE_DYNAMIC(COleClientItem)
public:
    enum ItemState {
        emptyState,
        loadedState,
        openState,
        activeState,
        activeUIState
    };

    // The item joins pContainerDoc's items (when given).
    explicit COleClientItem(COleDocument* pContainerDoc = nullptr);
    // The item leaves its document.
    ~COleClientItem() override;

    COleDocument* GetDocument() const { return m_pDocument; }
    UINT GetItemState() const { return m_nItemState; }
    BOOL IsOpen() const { return m_nItemState == openState; }
    BOOL IsInPlaceActive() const { return m_nItemState == activeState || m_nItemState == activeUIState; }
    // The view the item is active in, while it is.
    CView* GetActiveView() const { return m_pView; }

    // The item becomes open (OLEIVERB_OPEN) or active in place in pView, with its user
    // interface (any other verb).
    void Activate(LONG nVerb, CView* pView);
    // Ends in-place activation: the item is loaded.
    void Deactivate();
    // Ends activation of any kind: the item is loaded.
    void Close(OLECLOSE dwCloseOption = OLECLOSE_SAVEIFDIRTY);

protected:
    COleDocument* m_pDocument;
    UINT m_nItemState;
    CView* m_pView;

    friend class COleDocument;
};

class COleServerDoc : public COleDocument {
    DECLARE_DYNAMIC(COleServerDoc)
public:
    // The container's window pFrameWnd (its frame or its document window) gives the in-place
    // bars in it the room they ask: they are laid out within lpRectBorder (its client area
    // when null).
    virtual void OnResizeBorder(LPCRECT lpRectBorder, COleCntrFrameWnd* pFrameWnd);
};
