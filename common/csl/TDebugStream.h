#pragma once
#include <csl/ILocalClock.h>
#include <csl/SmartPtr.h>
#include <csl/TMutex.h>
#include <csl/TStreamWriter.h>
#include <csl/const_string.h>

#include <comutil.h>

#include <cstdint>
#include <exception>
#include <string>
#include <type_traits>
#include <vector>

// A log: a list of writers that every text goes to, under one recursive lock. With line
// stamping on, every line starts with the local time and the first line of a day is
// preceded by a date line.
class TDebugStream {
public:
    enum {
        kCategoryCount = 26
    };
    // C, D, G, S and W: the categories that are on when a program configures none.
    static constexpr uint32_t kDefaultCategories = 0x44004C;

    explicit TDebugStream(const SmartPtr<TStreamWriter>& iWriter = nullptr);
    TDebugStream(const SmartPtr<TStreamWriter>& iFirst, const SmartPtr<TStreamWriter>& iSecond,
                 const SmartPtr<TStreamWriter>& iThird);
    TDebugStream(const TDebugStream&) = delete;
    TDebugStream& operator=(const TDebugStream&) = delete;
    virtual ~TDebugStream() = default;

    void AddWriter(const SmartPtr<TStreamWriter>& iWriter);
    void RemoveAllWriters();
    bool HasWriters() const;

    // Stamps the lines when StampLines is on, then hands the text to every writer; a writer
    // that throws is removed. Nothing here throws because of a writer.
    void Write(const char* iText, int iLength);
    // At most 4,095 characters of the formatted text.
    void Printf(const char* iFormat, ...) __attribute__((format(printf, 2, 3)));

    // Categories 'A' to 'Z' by index 0 to 25; a larger index throws std::out_of_range.
    bool IsCategoryOn(int iIndex) const;
    void SetCategory(int iIndex, bool iOn);
    void SetCategories(uint32_t iMask) { m_Categories = iMask; }
    uint32_t GetCategories() const { return m_Categories; }
    // Turns on the category of every upper-case letter of the text; other characters are
    // ignored.
    void SetCategoryLetters(const std::string& iLetters);

    void SetClock(const SmartPtr<ILocalClock>& iClock);

    // Held by an insertion chain from its first << to the end of the statement. The stream
    // takes it uninterrupted: log statements stand in catch blocks and destructors, where an
    // interrupt thrown would end the program.
    TMutex& GetLock() { return m_Lock; }

    bool StampLines;

private:
    std::string MakeStamp();
    void StampInto(std::string& ioText);

    std::vector<SmartPtr<TStreamWriter>> m_Writers;
    TMutex m_Lock;
    bool m_AtLineStart;
    uint32_t m_Categories;
    WORD m_Day;
    SmartPtr<ILocalClock> m_Clock;
};

// The process-wide logs, built on first use and kept until the process ends (so that objects
// destroyed late can still log). DebugLog starts with one debugger writer and stamping off;
// every log statement of the system goes there. ErrorLog writes to the debugger, the console
// and "c:\error.log"; ConsoleLog to the console.
TDebugStream& DebugLog();
TDebugStream& ErrorLog();
TDebugStream& ConsoleLog();

// Keeps a stream's lock for the rest of one insertion chain.
class TLockedDebugStream {
public:
    explicit TLockedDebugStream(TDebugStream& iStream) : m_Stream(&iStream) { iStream.GetLock().LockUninterrupted(); }
    TLockedDebugStream(const TLockedDebugStream& iOther) : m_Stream(iOther.m_Stream)
    {
        m_Stream->GetLock().LockUninterrupted();
    }
    TLockedDebugStream& operator=(const TLockedDebugStream&) = delete;
    ~TLockedDebugStream();

    TDebugStream& Stream() const { return *m_Stream; }

private:
    TDebugStream* m_Stream;
};

class EGeneric;

// The texts of the operands of <<.
void DebugInsert(TDebugStream& ioStream, const char* iText);  // null: "<null>"
void DebugInsert(TDebugStream& ioStream, const std::string& iText);
void DebugInsert(TDebugStream& ioStream, const const_string& iText);
void DebugInsert(TDebugStream& ioStream, const std::wstring& iText);
void DebugInsert(TDebugStream& ioStream, const _bstr_t& iText);
void DebugInsert(TDebugStream& ioStream, char iChar);
void DebugInsert(TDebugStream& ioStream, int iValue);
void DebugInsert(TDebugStream& ioStream, long iValue);
void DebugInsert(TDebugStream& ioStream, unsigned short iValue);
void DebugInsert(TDebugStream& ioStream, unsigned int iValue);
void DebugInsert(TDebugStream& ioStream, unsigned long iValue);
// "class Name:", a line break when the text has several lines, then what().
void DebugInsert(TDebugStream& ioStream, const std::exception& iException);

template <class T>
auto operator<<(TDebugStream& ioStream, const T& iValue)
    -> decltype(DebugInsert(ioStream, iValue), TLockedDebugStream(ioStream))
{
    TLockedDebugStream locked(ioStream);
    DebugInsert(ioStream, iValue);
    return locked;
}

template <class T>
auto operator<<(const TLockedDebugStream& iLocked, const T& iValue)
    -> decltype(DebugInsert(iLocked.Stream(), iValue), iLocked)
{
    DebugInsert(iLocked.Stream(), iValue);
    return iLocked;
}
