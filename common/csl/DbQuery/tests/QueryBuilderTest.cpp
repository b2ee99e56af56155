#include <csl/DbQuery/CDbQuery.h>
#include <csl/EGeneric.h>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <vector>

namespace {

struct TRendered {
    std::string Text;
    std::vector<long> Values;
};

TRendered Render(const IDbQuery& iQuery)
{
    std::ostringstream text;
    TDbQueryValues values;
    EXPECT_TRUE(iQuery.RenderQuery(text, values));
    TRendered rendered{text.str(), {}};
    for (const _variant_t& value : values) {
        _variant_t number(value);
        number.ChangeType(VT_I4);
        rendered.Values.push_back(number.lVal);
    }
    return rendered;
}

SmartPtr<CDbQuery> QueryOn(const std::string& iTable)
{
    SmartPtr<CDbQuery> query(new CDbQuery);
    query->GetFrom().AddTable(iTable);
    return query;
}

TEST(QueryBuilderTest, RendersClausesWithSingleBlanksAndValuesInOrder)
{
    struct TCase {
        const char* Name;
        std::function<void(CDbQuery&)> Build;
        const char* Text;
        std::vector<long> Values;
    } cases[] = {
        {"table only", [](CDbQuery&) {}, "SELECT * FROM T", {}},
        {"order only", [](CDbQuery& q) { q.GetOrder().AddColumn("c"); }, "SELECT * FROM T ORDER BY c", {}},
        {"group only", [](CDbQuery& q) { q.AddGroupColumn("g"); }, "SELECT g FROM T GROUP BY g", {}},
        {"where",
         [](CDbQuery& q) {
             q.GetWhere().AddEqual("a", 1L);
             q.GetWhere().AddBetween("b", 2L, 3L);
         },
         "SELECT * FROM T WHERE (a=?) AND (b BETWEEN ? AND ?)",
         {1, 2, 3}},
        {"every clause",
         [](CDbQuery& q) {
             q.GetSelect().AddModifier("DISTINCT");
             q.GetSelect().AddModifier("TOP 5");
             q.GetSelect().AddColumn("SUM(x)", "Total");
             q.AddGroupColumn("T.Name", "Name");
             q.GetWhere().AddCompare("d", ">=", 4L);
             q.GetWhere().AddCompare("d", "<=", 5L);
             q.GetOrder().AddColumn("Total");
             q.GetOrder().AddColumn("Name");
         },
         "SELECT DISTINCT TOP 5 SUM(x) AS Total,T.Name AS Name FROM T WHERE (d>=?) AND (d<=?) GROUP BY T.Name "
         "ORDER BY Total,Name",
         {4, 5}},
        {"comma list", [](CDbQuery& q) { q.GetFrom().AddTable("B", "b"); }, "SELECT * FROM T,B b", {}},
        {"join",
         [](CDbQuery& q) {
             q.GetFrom().JoinTable("UserInfo", "T.UserID=ObjectData.ID", "INNER", "ObjectData");
             q.GetFrom().JoinTable("Other", "Other.ID=T.ID", "LEFT OUTER");
         },
         "SELECT * FROM ((T INNER JOIN UserInfo ObjectData ON (T.UserID=ObjectData.ID)) LEFT OUTER JOIN Other ON "
         "(Other.ID=T.ID))",
         {}},
    };
    for (const TCase& c : cases) {
        SmartPtr<CDbQuery> query = QueryOn("T");
        c.Build(*query);
        const TRendered rendered = Render(*query);
        EXPECT_EQ(c.Text, rendered.Text) << c.Name;
        EXPECT_EQ(c.Values, rendered.Values) << c.Name;
    }
}

TEST(QueryBuilderTest, SubQueryValuesComeFirstInTextOrder)
{
    SmartPtr<CDbQuery> first = QueryOn("A");
    first->GetWhere().AddEqual("A.x", 1L);
    SmartPtr<CDbQuery> second = QueryOn("B");
    second->GetSelect().AddColumn("COUNT(B.y)", "N");
    second->GetWhere().AddBetween("B.y", 2L, 3L);

    SmartPtr<CDbQuery> outer = QueryOn("C");
    outer->GetWhere().AddEqual("C.z", 4L);
    outer->GetFrom().JoinSubQuery(first, "C.ID=SQ.ID", "INNER", "SQ");
    outer->GetFrom().AddSubQuery(second);

    const TRendered rendered = Render(*outer);
    EXPECT_EQ("SELECT * FROM (C INNER JOIN (SELECT * FROM A WHERE (A.x=?)) SQ ON (C.ID=SQ.ID)),"
              "(SELECT COUNT(B.y) AS N FROM B WHERE (B.y BETWEEN ? AND ?)) WHERE (C.z=?)",
              rendered.Text);
    EXPECT_EQ((std::vector<long>{1, 2, 3, 4}), rendered.Values);
}

TEST(QueryBuilderTest, CopiesKeepTheStateOfTheirMoment)
{
    SmartPtr<CDbQuery> source = QueryOn("Activity");
    source->GetWhere().AddEqual("a", 1L);
    SmartPtr<CDbQuery> copy(new CDbQuery);
    copy->GetSelect().AddModifier("DISTINCT");
    copy->GetSelect().AddPlainColumn("UserID");
    copy->GetFrom() = source->GetFrom();
    copy->GetWhere() = source->GetWhere();

    source->GetFrom().JoinTable("UserInfo", "Activity.UserID=UserInfo.ID", "INNER");
    source->GetWhere().AddEqual("b", 2L);

    const TRendered rendered = Render(*copy);
    EXPECT_EQ("SELECT DISTINCT UserID FROM Activity WHERE (a=?)", rendered.Text);
    EXPECT_EQ(std::vector<long>{1}, rendered.Values);
    EXPECT_EQ("SELECT * FROM (Activity INNER JOIN UserInfo ON (Activity.UserID=UserInfo.ID)) WHERE (a=?) AND (b=?)",
              Render(*source).Text);
}

TEST(QueryBuilderTest, RefusesAJoinOrAStatementWithoutTables)
{
    const std::vector<std::string> expectedNames = {"Text",       "Condition",      "SourceFile",
                                                    "SourceLine", "SourceFunction", "This"};
    struct TCase {
        const char* Function;
        std::function<void(CDbQuery&)> Act;
    } cases[] = {
        {"CDbQueryFrom::JoinTable", [](CDbQuery& q) { q.GetFrom().JoinTable("T", "1=1", "INNER"); }},
        {"CDbQueryFrom::JoinSubQuery",
         [](CDbQuery& q) { q.GetFrom().JoinSubQuery(QueryOn("T"), "1=1", "INNER", "SQ"); }},
        {"CDbQueryFrom::RenderQuery", [](CDbQuery& q) { Render(q); }},
    };
    for (const TCase& c : cases) {
        CDbQuery query;
        try {
            c.Act(query);
            ADD_FAILURE() << c.Function << " did not throw";
        } catch (const EGeneric& e) {
            const std::list<std::string>& names = e.GetPropertyNames();
            EXPECT_EQ(expectedNames, std::vector<std::string>(names.begin(), names.end())) << c.Function;
            std::string text, condition, function, self;
            EXPECT_EQ("Condition not meet", e.GetProperty("Text").GetString(text));
            EXPECT_EQ("Tables != NULL", e.GetProperty("Condition").GetString(condition));
            EXPECT_EQ(c.Function, e.GetProperty("SourceFunction").GetString(function));
            EXPECT_NE(std::string::npos, e.GetProperty("This").GetString(self).find("CDbQueryFrom {0x")) << self;
        }
    }
}

}  // namespace
