#pragma once
#include <afxcmn.h>
#include <afxwin.h>

#include "TreeObject.h"
#include "ViewerTrees.h"

#include <ZorvanePtr.h>

#include <map>

struct ProcessInfoRecord {
    ULONG Id;
    CString ProcessName;
    CString Description;
    int SmallImage;
    int LargeImage;
};

// The viewer's one document: the connection to the server, the image lists the trees draw
// from, and the loaders that fill the trees from the server's summaries.
class CZVViewerDoc : public CDocument {
    DECLARE_DYNCREATE(CZVViewerDoc)
public:
    CZVViewerDoc();
    ~CZVViewerDoc() override;

    BOOL OnNewDocument() override;
    // Drops the old server first, so a failed reconnect never keeps using it.
    void ConnectToServer();
    // For a new server name: image lists, icons and programs are forgotten, trees emptied.
    void ResetCaches();

    int GetSmallIconIndex(UINT iIcon);
    int GetLargeIconIndex(UINT iIcon);
    // Fills the record of iRecord.Id, asking the server once per program.
    BOOL GetProcessInfo(ProcessInfoRecord& ioRecord);

    // The root levels of the three trees.
    void LoadUsers();
    void LoadComputers();
    void LoadPrograms();
    // The children of an item; FALSE when they could not be loaded.
    BOOL LoadUserComputers(HTREEITEM iItem);
    BOOL LoadUserComputerPrograms(HTREEITEM iItem);
    BOOL LoadComputerUsers(HTREEITEM iItem);
    BOOL LoadComputerUserPrograms(HTREEITEM iItem);
    BOOL LoadProgramUsers(HTREEITEM iItem);

    // Deletes the objects of the item, its following siblings and all their children.
    static void DeleteTreeItems(CTreeCtrl& ioTree, HTREEITEM iFirst);

    // Callers hold a reference of their own across a call: a reconnect may drop this one.
    IZorvane* GetServer() const { return m_Server; }
    // True while a server call waits; COM's modal loop may bring input meanwhile, which must
    // not start another call.
    bool IsServerBusy() const { return m_ServerCalls > 0; }
    // Marks the server busy while it lives; scopes nest.
    class ServerCallScope {
    public:
        explicit ServerCallScope(CZVViewerDoc& ioDocument) : m_Calls(ioDocument.m_ServerCalls) { ++m_Calls; }
        ~ServerCallScope() { --m_Calls; }
        ServerCallScope(const ServerCallScope&) = delete;
        ServerCallScope& operator=(const ServerCallScope&) = delete;

    private:
        int& m_Calls;
    };
    // A lost connection drops the server and says so once; other errors leave it as it is.
    // True when it was dropped.
    bool OnServerError(HRESULT iError);
    HIMAGELIST GetSmallImageList() const { return m_SmallImages; }
    HIMAGELIST GetLargeImageList() const { return m_LargeImages; }

    struct Loader;

private:
    BOOL Load(const Loader& iLoader, HTREEITEM iParent);
    void LoadRows(const Loader& iLoader, CTreeCtrl& ioTree, HTREEITEM iParent, CTreeObject* iParentObject);
    int IconIndex(HIMAGELIST iList, std::map<UINT, int>& ioIndexes, UINT iIcon, int iSize);
    void ReadProcessIcons(const _variant_t& iIcon, ProcessInfoRecord& ioRecord);
    bool TakeServer(IZorvane* iActivated);
    void ShowActivationFailure(HRESULT iFailure);
    void ShowServerMessage(UINT iText, UINT iType, LPCWSTR iDetail = nullptr);
    static void GiveTreesImages(IViewerTrees& ioTrees, HIMAGELIST iImages);
    void CreateImageLists();
    void DestroyImageLists();

    IZorvanePtr m_Server;
    CString m_ServerName;
    HIMAGELIST m_SmallImages;
    HIMAGELIST m_LargeImages;
    std::map<UINT, int> m_SmallIcons;
    std::map<UINT, int> m_LargeIcons;
    std::map<ULONG, ProcessInfoRecord> m_Processes;
    int m_ServerCalls;
};

// The document of the application's first template, or null when there is none.
CZVViewerDoc* GetViewerDocument();
