#include <Report.h>
#include <TreeObjectKinds.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

const unsigned long kUntouched = 99;

class CCountedReport : public CReport {
public:
    static int s_Live;
    explicit CCountedReport(CTreeObject* iOwner) : CReport(nullptr, iOwner) { ++s_Live; }
    ~CCountedReport() override { --s_Live; }
    void Build(int) override {}
};
int CCountedReport::s_Live = 0;

class CReportingObject : public CTreeObject {
public:
    using CTreeObject::CTreeObject;
    BOOL LoadChildren(HTREEITEM) override { return TRUE; }
    void ShowReport() override { SetReport(new CCountedReport(this)); }
};

TEST(TreeObjectTest, FillsTheFieldsItsReportDependsOn)
{
    CUserObject user(1, L"alice", nullptr);
    CWorkstationObject workstation(2, L"ws-2", nullptr);
    CComputerObject computer(2, L"ws-2", &user);
    CCompUserObject compUser(1, L"alice", &workstation);
    CProgramObject program(3, L"Word", nullptr);
    const struct {
        const char* Name;
        CTreeObject* Object;
        ZorvaneObjectType Type;
        unsigned long Computer, User, Process;
    } cases[] = {
        {"user", &user, static_cast<ZorvaneObjectType>(kUntouched), kUntouched, kUntouched, kUntouched},
        {"workstation", &workstation, static_cast<ZorvaneObjectType>(kUntouched), kUntouched, kUntouched, kUntouched},
        {"computer under a user", &computer, ZorvaneProcess, 2, 1, kUntouched},
        {"user under a computer", &compUser, ZorvaneProcess, 2, 1, kUntouched},
        {"program", &program, ZorvaneUser, kUntouched, kUntouched, 3},
        {"program under computer and user", new CApplicationObject(3, L"Word", &computer), ZorvaneDocument, 2, 1, 3},
        {"program under user and computer", new CWsUsApplicationObject(3, L"Word", &compUser), ZorvaneDocument, 2, 1,
         3},
        {"user under a program", new CAppUserObject(1, L"alice", &program), ZorvaneDocument, kUntouched, 1, 3},
        {"orphan program", new CApplicationObject(3, L"Word", nullptr), ZorvaneDocument, kUntouched, kUntouched, 3},
        {"program under an orphan computer", new CWsUsApplicationObject(3, L"Word", &workstation), ZorvaneDocument,
         kUntouched, 2, 3},
        {"orphan user", new CAppUserObject(1, L"alice", nullptr), ZorvaneDocument, kUntouched, 1, kUntouched},
    };
    for (const auto& c : cases) {
        SummaryActivityRequest request = {static_cast<ZorvaneObjectType>(kUntouched), kUntouched, kUntouched,
                                          kUntouched, kUntouched};
        c.Object->FillRequest(request);
        EXPECT_EQ(c.Type, request.ObjectType) << c.Name;
        EXPECT_EQ(c.Computer, request.ComputerId) << c.Name;
        EXPECT_EQ(c.User, request.UserId) << c.Name;
        EXPECT_EQ(c.Process, request.ProcessId) << c.Name;
        EXPECT_EQ(kUntouched, request.DocumentId) << c.Name;
    }
    for (size_t i = 5; i < sizeof cases / sizeof cases[0]; ++i)
        delete cases[i].Object;
}

TEST(TreeObjectTest, LeavesLoadNothingAndKindsWithChildrenNeedADocument)
{
    CUserObject user(1, L"alice", nullptr);
    CComputerObject computer(2, L"ws-2", &user);
    CApplicationObject application(3, L"Word", &computer);
    EXPECT_TRUE(application.LoadChildren(nullptr));
    EXPECT_FALSE(user.LoadChildren(nullptr));
    EXPECT_FALSE(computer.LoadChildren(nullptr));
}

TEST(TreeObjectTest, OwnsItsReportUntilReleasedOrDeleted)
{
    {
        CReportingObject object(1, L"alice", nullptr);
        object.DeleteReport();
        EXPECT_EQ(nullptr, object.GetReport());
        object.ShowReport();
        object.ShowReport();
        EXPECT_EQ(1, CCountedReport::s_Live);
        object.DeleteReport();
        EXPECT_EQ(0, CCountedReport::s_Live);
        EXPECT_EQ(nullptr, object.GetReport());
        object.ShowReport();
    }
    EXPECT_EQ(0, CCountedReport::s_Live);
}

}  // namespace
