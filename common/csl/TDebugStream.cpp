#include <csl/TDebugStream.h>
#include <csl/StringUtils.h>
#include <csl/TLockScope.h>
#include <csl/TypeName.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

// The stream's lock, taken as insertion chains take it.
using TStreamLockScope = TLockScopeTakenBy<TMutex, &TMutex::LockUninterrupted>;

}  // namespace

TDebugStream::TDebugStream(const SmartPtr<TStreamWriter>& iWriter)
    : StampLines(false), m_AtLineStart(true), m_Categories(0), m_Day(0), m_Clock(new TSystemLocalClock)
{
    if (iWriter)
        m_Writers.push_back(iWriter);
}

TDebugStream::TDebugStream(const SmartPtr<TStreamWriter>& iFirst, const SmartPtr<TStreamWriter>& iSecond,
                           const SmartPtr<TStreamWriter>& iThird)
    : TDebugStream(iFirst)
{
    for (const SmartPtr<TStreamWriter>* writer : {&iSecond, &iThird})
        if (*writer)
            m_Writers.push_back(*writer);
}

void TDebugStream::AddWriter(const SmartPtr<TStreamWriter>& iWriter)
{
    TStreamLockScope scope(m_Lock);
    m_Writers.push_back(iWriter);
}

void TDebugStream::RemoveAllWriters()
{
    std::vector<SmartPtr<TStreamWriter>> removed;
    TStreamLockScope scope(m_Lock);
    removed.swap(m_Writers);
}

bool TDebugStream::HasWriters() const
{
    return !m_Writers.empty();
}

void TDebugStream::SetClock(const SmartPtr<ILocalClock>& iClock)
{
    TStreamLockScope scope(m_Lock);
    m_Clock = iClock;
}

std::string TDebugStream::MakeStamp()
{
    SYSTEMTIME now;
    m_Clock->GetLocalTime(now);
    char stamp[40];
    if (now.wDay == m_Day) {
        std::snprintf(stamp, sizeof stamp, "%02hd:%02hd:%02hd.%03hd ", now.wHour, now.wMinute, now.wSecond,
                      now.wMilliseconds);
    } else {
        std::snprintf(stamp, sizeof stamp, "%02hd.%02hd.%04hd\n%02hd:%02hd:%02hd.%03hd ", now.wDay, now.wMonth,
                      now.wYear, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
        m_Day = now.wDay;
    }
    return stamp;
}

// A stamp in front of every line; a line feed at the very end leaves the stamp for the next
// text, so that a line is stamped when it begins, not when the previous one ends.
void TDebugStream::StampInto(std::string& ioText)
{
    std::string::size_type from = 0;
    if (m_AtLineStart) {
        const std::string stamp = MakeStamp();
        ioText.insert(0, stamp);
        from = stamp.size();
        m_AtLineStart = false;
    }
    for (std::string::size_type lineFeed = ioText.find('\n', from); lineFeed != std::string::npos;
         lineFeed = ioText.find('\n', from)) {
        if (lineFeed + 1 == ioText.size()) {
            m_AtLineStart = true;
            return;
        }
        const std::string stamp = MakeStamp();
        ioText.insert(lineFeed + 1, stamp);
        from = lineFeed + 1 + stamp.size();
    }
}

void TDebugStream::Write(const char* iText, int iLength)
{
    if (!iText || iLength <= 0)
        return;
    std::vector<SmartPtr<TStreamWriter>> removed;
    TStreamLockScope scope(m_Lock);
    std::string stamped;
    if (StampLines) {
        stamped.assign(iText, iLength);
        StampInto(stamped);
        iText = stamped.c_str();
        iLength = static_cast<int>(stamped.size());
    }
    for (auto writer = m_Writers.begin(); writer != m_Writers.end();) {
        try {
            (*writer)->Write(iText, iLength);
            ++writer;
        } catch (...) {
            removed.push_back(*writer);
            writer = m_Writers.erase(writer);
        }
    }
}

void TDebugStream::Printf(const char* iFormat, ...)
{
    char text[4096];
    va_list arguments;
    va_start(arguments, iFormat);
    const int length = std::vsnprintf(text, sizeof text, iFormat, arguments);
    va_end(arguments);
    if (length > 0)
        Write(text, length < static_cast<int>(sizeof text) ? length : static_cast<int>(sizeof text) - 1);
}

bool TDebugStream::IsCategoryOn(int iIndex) const
{
    if (iIndex < 0 || iIndex >= kCategoryCount)
        throw std::out_of_range("log category");
    return (m_Categories >> iIndex) & 1;
}

void TDebugStream::SetCategory(int iIndex, bool iOn)
{
    if (iIndex < 0 || iIndex >= kCategoryCount)
        throw std::out_of_range("log category");
    const uint32_t flag = uint32_t(1) << iIndex;
    m_Categories = iOn ? (m_Categories | flag) : (m_Categories & ~flag);
}

void TDebugStream::SetCategoryLetters(const std::string& iLetters)
{
    for (char letter : iLetters)
        if (letter >= 'A' && letter <= 'Z')
            SetCategory(letter - 'A', true);
}

TDebugStream& DebugLog()
{
    static TDebugStream* const sLog = new TDebugStream(new TDebugWriter);
    return *sLog;
}

TDebugStream& ErrorLog()
{
    static TDebugStream* const sLog =
        new TDebugStream(new TDebugWriter, new TConsoleWriter, new TFileWriter("c:\\error.log"));
    return *sLog;
}

TDebugStream& ConsoleLog()
{
    static TDebugStream* const sLog = new TDebugStream(new TConsoleWriter);
    return *sLog;
}

namespace {

// Every program's logs exist before its main function runs.
struct TBuildLogsEarly {
    TBuildLogsEarly()
    {
        DebugLog();
        ErrorLog();
        ConsoleLog();
    }
} sBuildLogsEarly;

}  // namespace

TLockedDebugStream::~TLockedDebugStream()
{
    try {
        m_Stream->GetLock().Unlock();
    } catch (...) {
        // A log statement never fails its caller.
    }
}

void DebugInsert(TDebugStream& ioStream, const char* iText)
{
    if (!iText)
        iText = "<null>";
    ioStream.Write(iText, static_cast<int>(std::strlen(iText)));
}

void DebugInsert(TDebugStream& ioStream, const std::string& iText)
{
    ioStream.Write(iText.data(), static_cast<int>(iText.size()));
}

void DebugInsert(TDebugStream& ioStream, const const_string& iText)
{
    ioStream.Write(iText.data(), iText.length());
}

void DebugInsert(TDebugStream& ioStream, const std::wstring& iText)
{
    DebugInsert(ioStream, WideToMultiByte(iText.data(), static_cast<int>(iText.size()), CP_ACP));
}

void DebugInsert(TDebugStream& ioStream, const _bstr_t& iText)
{
    if (iText.length() != 0)
        DebugInsert(ioStream, std::wstring(static_cast<const wchar_t*>(iText), iText.length()));
}

void DebugInsert(TDebugStream& ioStream, char iChar)
{
    ioStream.Write(&iChar, 1);
}

namespace {

void WriteFormatted(TDebugStream& ioStream, const char* iFormat, ...)
{
    char text[32];
    va_list arguments;
    va_start(arguments, iFormat);
    const int length = std::vsnprintf(text, sizeof text, iFormat, arguments);
    va_end(arguments);
    ioStream.Write(text, length);
}

}  // namespace

void DebugInsert(TDebugStream& ioStream, int iValue)
{
    WriteFormatted(ioStream, "%d", iValue);
}
void DebugInsert(TDebugStream& ioStream, long iValue)
{
    WriteFormatted(ioStream, "%ld", iValue);
}
void DebugInsert(TDebugStream& ioStream, unsigned short iValue)
{
    WriteFormatted(ioStream, "%u", static_cast<unsigned>(iValue));
}
void DebugInsert(TDebugStream& ioStream, unsigned int iValue)
{
    WriteFormatted(ioStream, "%u", iValue);
}
void DebugInsert(TDebugStream& ioStream, unsigned long iValue)
{
    WriteFormatted(ioStream, "%lu", iValue);
}

void DebugInsert(TDebugStream& ioStream, const std::exception& iException)
{
    const std::string text = iException.what();
    DebugInsert(ioStream,
                ReadableTypeName(typeid(iException)) + ":" + (text.find('\n') != std::string::npos ? "\n" : "") + text);
}
