#include <guitoolkit/core/CGTOwnedObList.h>

namespace {
void DeleteAll(CObList& ioList)
{
    while (!ioList.IsEmpty())
        delete ioList.RemoveHead();
}
}  // namespace

CGTOwnedObList::~CGTOwnedObList()
{
    DeleteAll(m_Objects);
}

void CGTOwnedObList::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsStoring())
        m_Objects.Serialize(ioArchive);
    else
        Read(ioArchive, m_Class, m_Objects);
}

void CGTOwnedObList::MoveTo(CObList& ioList)
{
    ioList.AddTail(&m_Objects);
    m_Objects.RemoveAll();
}

void CGTOwnedObList::Read(CArchive& ioArchive, CRuntimeClass* iClass, CObList& ioList)
{
    CObList read;
    try {
        for (DWORD_PTR count = ioArchive.ReadCount(); count > 0; --count) {
            BOOL created = FALSE;
            CObject* object = ioArchive.ReadObject(iClass, created);
            if (!created)
                AfxThrowArchiveException(CArchiveException::badIndex);
            read.AddTail(object);
        }
    } catch (...) {
        DeleteAll(read);
        throw;
    }
    ioList.AddTail(&read);
}
