#include "afxoleimpl.h"

IMPLEMENT_DYNAMIC(COleDocument, CDocument)

COleDocument::COleDocument() {}

COleDocument::~COleDocument()
{
    while (!m_docItemList.IsEmpty())
        delete static_cast<COleClientItem*>(m_docItemList.GetHead());
}

void COleDocument::AddItem(COleClientItem* pItem)
{
    if (pItem->m_pDocument != nullptr)
        pItem->m_pDocument->RemoveItem(pItem);
    m_docItemList.AddTail(pItem);
    pItem->m_pDocument = this;
}

void COleDocument::RemoveItem(COleClientItem* pItem)
{
    if (POSITION pos = m_docItemList.Find(pItem))
        m_docItemList.RemoveAt(pos);
    if (pItem->m_pDocument == this)
        pItem->m_pDocument = nullptr;
}

COleClientItem* COleDocument::GetNextClientItem(POSITION& pos) const
{
    return static_cast<COleClientItem*>(m_docItemList.GetNext(pos));
}

COleClientItem* COleDocument::GetInPlaceActiveItem(CWnd* pWnd)
{
    for (POSITION pos = GetStartPosition(); pos != nullptr;) {
        COleClientItem* pItem = GetNextClientItem(pos);
        if (pItem->IsInPlaceActive() && (pWnd == nullptr || pItem->GetActiveView() == pWnd))
            return pItem;
    }
    return nullptr;
}

// --- COleClientItem ----------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(COleClientItem, CCmdTarget)

COleClientItem::COleClientItem(COleDocument* pContainerDoc)
    : m_pDocument(nullptr), m_nItemState(emptyState), m_pView(nullptr)
{
    if (pContainerDoc != nullptr)
        pContainerDoc->AddItem(this);
}

COleClientItem::~COleClientItem()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveItem(this);
}

void COleClientItem::Activate(LONG nVerb, CView* pView)
{
    m_pView = pView;
    m_nItemState = nVerb == OLEIVERB_OPEN ? openState : activeUIState;
}

void COleClientItem::Deactivate()
{
    if (IsInPlaceActive()) {
        m_nItemState = loadedState;
        m_pView = nullptr;
    }
}

void COleClientItem::Close(OLECLOSE)
{
    if (m_nItemState != emptyState) {
        m_nItemState = loadedState;
        m_pView = nullptr;
    }
}

// --- COleServerDoc -----------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(COleServerDoc, COleDocument)

void COleServerDoc::OnResizeBorder(LPCRECT lpRectBorder, COleCntrFrameWnd* pFrameWnd)
{
    pFrameWnd->RepositionBars(0, 0xFFFF, 0, reposDefault, nullptr, lpRectBorder);
}
