#include <guitoolkit/docking/GTMDITabsRecord.h>

namespace GTMDITabsRecord {
namespace {
const int largestMargin = 0x7FFF;

int ReadInt(CArchive& ioArchive)
{
    int value = 0;
    ioArchive >> value;
    return value;
}

int ReadInRange(CArchive& ioArchive, int iLowest, int iHighest)
{
    const int value = ReadInt(ioArchive);
    if (value < iLowest || value > iHighest)
        AfxThrowArchiveException(CArchiveException::badSchema);
    return value;
}

BOOL ReadFlag(CArchive& ioArchive)
{
    return ReadInRange(ioArchive, 0, 1);
}

void ReadDocument(CArchive& ioArchive, CRuntimeClass* iObjectClass, Document& oDocument)
{
    ioArchive >> oDocument.name;
    if (!ReadFlag(ioArchive))
        return;
    if (iObjectClass == nullptr)
        AfxThrowArchiveException(CArchiveException::badClass);
    oDocument.object.reset(ioArchive.ReadObject(iObjectClass));
}

// Counts only bound the loops: every item is read before the next is made, so a count past
// the data ends at the end of the data.
void ReadGroup(CArchive& ioArchive, CRuntimeClass* iObjectClass, Group& oGroup)
{
    const int count = ReadInRange(ioArchive, 0, INT_MAX);
    oGroup.activeTab = ReadInt(ioArchive);
    oGroup.activeGroup = ReadFlag(ioArchive);
    for (int i = 0; i < count; ++i) {
        Tab tab;
        ReadDocument(ioArchive, iObjectClass, tab.document);
        ioArchive >> tab.label;
        tab.resizeMode = ReadInRange(ioArchive, 0, 2);
        tab.color = static_cast<COLORREF>(ReadInt(ioArchive));
        oGroup.tabs.push_back(std::move(tab));
    }
    oGroup.autoColor = ReadFlag(ioArchive);
    const int colors = ReadInRange(ioArchive, 0, INT_MAX);
    for (int i = 0; i < colors; ++i)
        oGroup.colors.push_back(static_cast<COLORREF>(ReadInt(ioArchive)));
    oGroup.documentMenu = ReadFlag(ioArchive);
    oGroup.tabSwap = ReadFlag(ioArchive);
    oGroup.borderSize = ReadInt(ioArchive);
    int* const edges[] = {reinterpret_cast<int*>(&oGroup.rect.left), reinterpret_cast<int*>(&oGroup.rect.top),
                          reinterpret_cast<int*>(&oGroup.rect.right), reinterpret_cast<int*>(&oGroup.rect.bottom)};
    for (int* edge : edges)
        *edge = ReadInt(ioArchive);
}

void ReadChild(CArchive& ioArchive, CRuntimeClass* iObjectClass, Child& oChild)
{
    ReadDocument(ioArchive, iObjectClass, oChild.document);
    WINDOWPLACEMENT& place = oChild.placement;
    int* const fields[] = {reinterpret_cast<int*>(&place.flags),
                           reinterpret_cast<int*>(&place.length),
                           reinterpret_cast<int*>(&place.ptMaxPosition.x),
                           reinterpret_cast<int*>(&place.ptMaxPosition.y),
                           reinterpret_cast<int*>(&place.ptMinPosition.x),
                           reinterpret_cast<int*>(&place.ptMinPosition.y),
                           reinterpret_cast<int*>(&place.rcNormalPosition.left),
                           reinterpret_cast<int*>(&place.rcNormalPosition.top),
                           reinterpret_cast<int*>(&place.rcNormalPosition.right),
                           reinterpret_cast<int*>(&place.rcNormalPosition.bottom),
                           reinterpret_cast<int*>(&place.showCmd)};
    for (int* field : fields)
        *field = ReadInt(ioArchive);
    place.length = sizeof(WINDOWPLACEMENT);
    oChild.active = ReadFlag(ioArchive);
}
}  // namespace

void Read(CArchive& ioArchive, CRuntimeClass* iObjectClass, Record& oRecord)
{
    oRecord.settings.Serialize(ioArchive);
    oRecord.singleTabsMode = ReadFlag(ioArchive);
    oRecord.groupsMode = ReadFlag(ioArchive);
    oRecord.tabsShown = ReadFlag(ioArchive);
    oRecord.groupSplit = ReadInRange(ioArchive, 0, 2);
    oRecord.splitterMargin = ReadInRange(ioArchive, 0, largestMargin);
    oRecord.newGroupZone = ReadInRange(ioArchive, 0, largestMargin);
    if (oRecord.singleTabsMode && oRecord.groupsMode)
        AfxThrowArchiveException(CArchiveException::badSchema);
    if (oRecord.singleTabsMode) {
        oRecord.groups.emplace_back();
        ReadGroup(ioArchive, iObjectClass, oRecord.groups.back());
    } else if (oRecord.groupsMode) {
        const int count = ReadInRange(ioArchive, 0, INT_MAX);
        for (int i = 0; i < count; ++i) {
            oRecord.groups.emplace_back();
            ReadGroup(ioArchive, iObjectClass, oRecord.groups.back());
        }
    } else {
        const int count = ReadInRange(ioArchive, 0, INT_MAX);
        for (int i = 0; i < count; ++i) {
            oRecord.children.emplace_back();
            ReadChild(ioArchive, iObjectClass, oRecord.children.back());
        }
    }
}

void WriteDocument(CArchive& ioArchive, const CString& iName, CObject* iObject)
{
    ioArchive << iName;
    ioArchive << static_cast<int>(iObject != nullptr);
    if (iObject != nullptr)
        ioArchive.WriteObject(iObject);
}

}  // namespace GTMDITabsRecord
