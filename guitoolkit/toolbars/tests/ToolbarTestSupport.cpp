#include "ToolbarTestSupport.h"

IMPLEMENT_DYNCREATE(RecordingLook, CGTVisualManager)
IMPLEMENT_SERIAL(ForeignThing, CObject, 1)

int ForeignThing::s_Made = 0;
int ForeignThing::s_Deleted = 0;

std::vector<BYTE> Stored(CObject& ioObject)
{
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        ioObject.Serialize(archive);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void Load(CObject& oObject, std::vector<BYTE> iBytes)
{
    CMemFile file(iBytes.data(), static_cast<UINT>(iBytes.size()));
    CArchive archive(&file, CArchive::load);
    oObject.Serialize(archive);
}
