// A stored list whose objects belong to whoever reads it. A back-reference would hand one
// object to two owners and a null entry to none, so a list holding either is refused whole.
#pragma once
#include <afx.h>

class CGTOwnedObList : public CObject {
public:
    // iClass: the class every object must be of or derive from; null takes any class.
    explicit CGTOwnedObList(CRuntimeClass* iClass = nullptr) : m_Class(iClass) {}
    ~CGTOwnedObList() override;
    CGTOwnedObList(const CGTOwnedObList&) = delete;
    CGTOwnedObList& operator=(const CGTOwnedObList&) = delete;

    // Loading adds the objects read to those held; a refused list throws an archive
    // exception and adds nothing, having deleted what it made.
    void Serialize(CArchive& ioArchive) override;
    // Moves the objects held to the end of ioList.
    void MoveTo(CObList& ioList);
    const CObList& Objects() const { return m_Objects; }

    // The reading itself, for an object whose own Serialize reads such a list.
    static void Read(CArchive& ioArchive, CRuntimeClass* iClass, CObList& ioList);

private:
    CRuntimeClass* m_Class;
    CObList m_Objects;
};
