#pragma once
#include "ReportChartPoint.h"

#include <afxwin.h>
#include <zorvane.h>

#include <initializer_list>
#include <vector>

class CGTGridItem;
class CRightView;
class CTreeObject;
class CZVViewerDoc;
struct ProcessInfoRecord;

// What the report view shows for one tree node: the server's summary of the node's activity
// over the view's period, a grid row and a chart point per object. The node that made it
// owns it. What fails while it reads is raised, and what was read stays; the command that
// started the build shows the failure.
class CReport : public CCmdTarget {
    DECLARE_DYNAMIC(CReport)
public:
    // Neither is owned: the view shows the report, the node is what it reports on.
    CReport(CRightView* iView, CTreeObject* iOwner);
    // Empties the grid before it frees the time values that the rows point to.
    ~CReport() override;

    // Fills the view from scratch; callers pass 0, which no report reads. The base writes
    // the application's period into the view and empties the grid and the chart.
    virtual void Build(int iFlag);
    virtual void SetupChart();
    virtual void OutputChart();
    virtual void SetChartTitle();

    const std::vector<ReportChartPoint>& GetChartPoints() const { return m_ChartPoints; }
    CTreeObject* GetOwner() const { return m_Owner; }

protected:
    struct Column {
        UINT Caption;
        int Width;
    };
    // The time, keyboard and mouse columns that end every kind's columns.
    static const Column kTime, kKeys, kMice;

    CRightView* GetView() const { return m_View; }
    // The icon at that index of the document's large image list.
    void ShowTitleIcon(CZVViewerDoc& ioDocument, int iLargeImage);
    void InsertColumns(std::initializer_list<Column> iColumns);
    void SetCaption(const CString& iCaption);
    // A request over the view's period; the kind fills type and ids.
    SummaryActivityRequest NewRequest() const;
    // Asks the server and adds a row and a chart point per record, then shows the chart;
    // nothing without a connection. iPrograms: the records are programs, shown by their
    // description and icon before the process name.
    void ReadRecords(CZVViewerDoc& ioDocument, const SummaryActivityRequest& iRequest, BOOL iPrograms = FALSE);
    // The record of a program; without one the default program icon and empty texts.
    static ProcessInfoRecord ProgramRecord(CZVViewerDoc& ioDocument, const CTreeObject* iProgram);

private:
    struct Fields;
    void ClearTimeValues();
    void AddRecord(const Fields& iFields, BOOL iPrograms, CZVViewerDoc& ioDocument);
    // The time column's cell, which points to a time value of this report.
    CGTGridItem* NewTimeItem(double iMilliseconds);

    CRightView* m_View;
    CTreeObject* m_Owner;
    std::vector<ReportChartPoint> m_ChartPoints;
    std::vector<VARIANT*> m_TimeValues;
};
