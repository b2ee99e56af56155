#include "afxstate.h"

CToolBarResource::CToolBarResource() : m_wVersion(0) {}

BOOL CToolBarResource::Load(LPCWSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEW(RT_TOOLBAR));
    HRSRC hRsrc = ::FindResourceW(hInst, lpszResourceName, MAKEINTRESOURCEW(RT_TOOLBAR));
    if (hRsrc == nullptr)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    if (hGlobal == nullptr)
        return FALSE;
    return Parse(::LockResource(hGlobal), ::SizeofResource(hInst, hRsrc));
}

BOOL CToolBarResource::Parse(const void* pData, DWORD cbData)
{
    m_arrItems.RemoveAll();
    const WORD* pWords = static_cast<const WORD*>(pData);
    DWORD nWords = cbData / sizeof(WORD);
    // version, width, height, count, then count ids
    if (pWords == nullptr || nWords < 4 || pWords[0] != 1 || nWords < 4u + pWords[3])
        return FALSE;
    m_wVersion = pWords[0];
    m_sizeButton = CSize(pWords[1], pWords[2]);
    for (WORD i = 0; i < pWords[3]; i++)
        m_arrItems.Add(pWords[4 + i]);
    return TRUE;
}
