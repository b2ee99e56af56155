// The toolkit's month calendar: one or more months side by side, each with a caption,
// arrows, day names, optional week numbers and a 6 x 7 grid of days. It selects one date,
// or any set of dates when multiple selection is on, and tells its owner (or parent) with
// GTM_CALENDAR_ON_SELCHANGED (lParam the calendar's window) whenever the selection changes.
#pragma once
#include <afxdisp.h>
#include <afxwin.h>
#include <map>
#include <set>
#include <string>

// Day and month names follow the user's language and country, whatever the run-time
// library's locale is; the previous locale comes back however the scope is left.
class CUserLocaleForDates {
public:
    CUserLocaleForDates();
    ~CUserLocaleForDates();
    CUserLocaleForDates(const CUserLocaleForDates&) = delete;
    CUserLocaleForDates& operator=(const CUserLocaleForDates&) = delete;

private:
    std::wstring m_Saved;
};

class CGTCalendar : public CWnd {
    DECLARE_DYNAMIC(CGTCalendar)
public:
    CGTCalendar();
    ~CGTCalendar() override;

    virtual BOOL Create(DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId);

    static int GetDaysInMonth(int iMonth, int iYear);
    // The grid column (0-6) of a date with weeks starting on iFirstDayOfWeek (0 = Sunday).
    static int GetWeekColumn(const COleDateTime& iDate, int iFirstDayOfWeek);
    // The week number of the first grid row of a month.
    static int GetFirstRowWeekNumber(int iMonth, int iYear, int iFirstDayOfWeek);
    // What a week-number cell shows: 54 wraps to 1.
    static int DisplayedWeekNumber(int iWeek) { return iWeek == 54 ? 1 : iWeek; }

    void SetDate(const COleDateTime& iDate) { SelectDate(iDate, FALSE, TRUE, TRUE); }
    void SelectDate(const COleDateTime& iDate, BOOL iAdd, BOOL iNotify, BOOL iRedraw);
    void UnselectDate(const COleDateTime& iDate, BOOL iNotify, BOOL iRedraw);
    void ClearSelection(BOOL iNotify, BOOL iRedraw);
    // The earliest selected date; a zero date when none is selected.
    COleDateTime GetFirstSelectedDate() const;
    BOOL IsDateSelected(const COleDateTime& iDate) const;
    int GetSelectedCount() const { return static_cast<int>(m_Selection.size()); }

    void EnableMultipleSelection(BOOL iEnable, int iValue = -1);
    BOOL IsMultipleSelection() const { return m_MultipleSelection; }
    void EnableWeekNumbers(BOOL iShow);
    BOOL HasWeekNumbers() const { return m_WeekNumbers; }
    void SetFirstDayOfWeek(int iDay);
    int GetFirstDayOfWeek() const { return m_FirstDayOfWeek; }
    void SetShowToday(BOOL iShow);
    void SetFitToWindow(BOOL iFit);
    void SetGradientCaption(BOOL iGradient) { m_GradientCaption = iGradient; }
    void SetDateColor(const COleDateTime& iDate, COLORREF iColor);

    void MarkDates(const CArray<DATE, DATE>& iDates, BOOL iRedraw);
    COLORREF GetDateColor(int iYear, int iMonth, int iDay) const;
    BOOL IsDateMarked(int iYear, int iMonth, int iDay) const;

    void GotoPrevMonth() { StepMonth(-1); }
    void GotoNextMonth() { StepMonth(1); }
    void SetFirstVisibleMonth(int iMonth, int iYear);
    int GetFirstVisibleMonth() const { return m_FirstMonth; }
    int GetFirstVisibleYear() const { return m_FirstYear; }
    const COleDateTime& GetFirstVisibleDate() const { return m_FirstVisibleDate; }
    const COleDateTime& GetLastVisibleDate() const { return m_LastVisibleDate; }
    int GetMonthCount() const { return m_MonthCount; }

    // Adjacency: -1 a day of the month before, 0 the month itself, +1 the month after.
    COleDateTime HitTestDate(CPoint iPoint, int* oAdjacency = nullptr, CRect* oCell = nullptr) const;
    COleDateTime HitTestWeekNumber(CPoint iPoint) const;
    int HitTestCaption(CPoint iPoint) const;
    CRect GetMonthRect(int iIndex) const;
    // The 42 cells of a month; cells outside the laid-out days stay empty. For the first
    // month the length of the month before goes to oDaysBefore.
    void GetDayCells(int iIndex, CRect oCells[42], int* oDaysBefore = nullptr) const;
    CRect GetDateRect(const COleDateTime& iDate) const;
    const CRect& GetPrevArrowRect() const { return m_PrevArrowRect; }
    const CRect& GetNextArrowRect() const { return m_NextArrowRect; }
    // The auto-repeat interval now in force for a held arrow (0 when none is held).
    UINT GetRepeatInterval() const;

    static const UINT todayButtonId = 101;

protected:
    virtual void OnDrawMonth(CDC* iDC, CRect iRect, int iIndex);
    virtual void OnSelectionChanged();

    void RecalcCalendarLayout(BOOL iRedraw);
    void ShiftSelection(const COleDateTimeSpan& iSpan);

    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* iDC);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnTimer(UINT_PTR iId);
    afx_msg void OnCancelMode();
    afx_msg void OnToday();
    DECLARE_MESSAGE_MAP()

private:
    struct CalendarColors {
        COLORREF captionBackground;
        COLORREF captionText;
        COLORREF selectedBackground;
        COLORREF selectedText;
        COLORREF todayFrame;
    };

    static COleDateTime DateOnly(const COleDateTime& iDate);
    static COleDateTime AddMonths(const COleDateTime& iDate, int iMonths);
    COleDateTime MonthStart(int iIndex) const;
    void StepMonth(int iDirection);
    void UpdateVisibleDates();
    void KeepSelectionInView();
    void MeasureCells(CDC& iDC, const CRect& iClient);
    void PlaceTodayButton(CDC& iDC, CRect& ioClient);
    void LoadDayNames();
    void InvalidateDate(const COleDateTime& iDate);
    BOOL IsInDragRange(const COleDateTime& iDate, BOOL iCtrl) const;
    void DrawCaption(CDC* iDC, CRect& ioBand, int iIndex);
    void DrawDayNames(CDC* iDC, const CRect& iGrid, int iTop);
    int DrawDays(CDC* iDC, int iIndex, BOOL iCtrl);
    void DrawWeekNumbers(CDC* iDC, const CRect& iGrid, int iIndex, int iRows);
    COleDateTime DateOrWeekAt(CPoint iPoint) const;
    void EndDrag();
    void StartRepeat(const CRect& iArrow, int iDirection);

    std::set<DATE> m_Selection;
    std::set<DATE> m_Marked;
    std::map<DATE, COLORREF> m_DateColors;
    BOOL m_FitToWindow;
    BOOL m_WeekNumbers;
    BOOL m_GradientCaption;
    CSize m_MonthSize;
    int m_MonthCount;
    int m_MonthsAcross;
    CSize m_CellSize;
    int m_FirstMonth;
    int m_FirstYear;
    int m_FirstDayOfWeek;
    CStringArray m_DayNames;
    CRect m_PrevArrowRect;
    CRect m_NextArrowRect;
    BOOL m_Repeating;
    int m_RepeatTicks;
    int m_RepeatDirection;
    CRect m_RepeatRect;
    BOOL m_ShowToday;
    CButton m_TodayButton;
    COleDateTime m_FirstVisibleDate;
    COleDateTime m_LastVisibleDate;
    BOOL m_MultipleSelection;
    int m_SelectionValue;
    CalendarColors m_Colors;
    COleDateTime m_DragEnd;
    COleDateTime m_DragAnchor;
    BOOL m_WeekDrag;
    BOOL m_SelectionChanged;
    int m_VerticalMargin;
    int m_HorizontalMargin;
    int m_WeekColumnWidth;
    int m_RightMargin;
    CArray<int, int> m_WeekNumbersOfMonths;
    CRect m_MonthsRect;
    BOOL m_KeepSelectionInView;
};
