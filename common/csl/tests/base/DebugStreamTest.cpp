#include <csl/EGeneric.h>
#include <csl/ESystemException.h>
#include <csl/EThreadInterrupt.h>
#include <csl/TDebugStream.h>
#include <csl/ThreadInterrupt.h>

#include <gtest/gtest.h>

#include <atomic>
#include <regex>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

class TCaptureWriter : public TStreamWriter {
public:
    void Write(const char* iText, int iLength) override { Text.append(iText, iLength); }
    std::string Text;
};

class TThrowingWriter : public TStreamWriter {
public:
    void Write(const char*, int) override
    {
        ++Calls;
        throw std::runtime_error("writer broke");
    }
    int Calls = 0;
};

class TFixedClock : public ILocalClock {
public:
    void GetLocalTime(SYSTEMTIME& oTime) override { oTime = Now; }
    SYSTEMTIME Now = {2006, 3, 2, 14, 9, 26, 53, 123};
};

class DebugStreamTest : public testing::Test {
protected:
    DebugStreamTest() : m_Capture(new TCaptureWriter), m_Clock(new TFixedClock), m_Stream(m_Capture)
    {
        m_Stream.SetClock(m_Clock);
    }
    std::string Take()
    {
        std::string text;
        text.swap(m_Capture->Text);
        return text;
    }

    SmartPtr<TCaptureWriter> m_Capture;
    SmartPtr<TFixedClock> m_Clock;
    TDebugStream m_Stream;
};

std::wstring TempFile(const wchar_t* iName)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + iName;
    DeleteFileW(path.c_str());
    return path;
}

std::string FileContent(const std::wstring& iPath)
{
    std::string content;
    HANDLE file = CreateFileW(iPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    char buffer[4096];
    DWORD read = 0;
    while (file != INVALID_HANDLE_VALUE && ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read)
        content.append(buffer, read);
    CloseHandle(file);
    return content;
}

}  // namespace

TEST_F(DebugStreamTest, StampsEveryLineWhenItBegins)
{
    m_Stream.StampLines = true;
    m_Stream << "a\nb";
    EXPECT_EQ("14.03.2006\n09:26:53.123 a\n09:26:53.123 b", Take());
    m_Stream << "c\n";
    EXPECT_EQ("c\n", Take());
    m_Clock->Now.wMilliseconds = 7;
    m_Stream << "d";
    EXPECT_EQ("09:26:53.007 d", Take());

    m_Clock->Now.wDay = 15;  // after midnight: a date line before the next line
    m_Clock->Now.wHour = 0;
    m_Stream << "\ne\n";
    EXPECT_EQ("\n15.03.2006\n00:26:53.007 e\n", Take());
}

TEST_F(DebugStreamTest, WritesTextUnstampedUntilStampingIsOn)
{
    m_Stream << "plain\n"
             << "text";
    EXPECT_EQ("plain\ntext", Take());
}

TEST_F(DebugStreamTest, OperandTexts)
{
    const char* none = nullptr;
    m_Stream << none << '|' << _bstr_t(L"") << _bstr_t() << '|' << std::string("a\0b", 3) << '|'
             << std::wstring(L"wide") << '|' << const_string("viewed", 4) << '|' << -5 << '|'
             << static_cast<unsigned short>(65535) << '|' << 4294967295ul << '|' << _bstr_t(L"bstr");
    EXPECT_EQ(std::string("<null>||a\0b|wide|view|-5|65535|4294967295|bstr", 46), Take());
}

TEST_F(DebugStreamTest, ExceptionsShowTheirClassAndText)
{
    SetExceptionDiagnostics({nullptr, nullptr});
    m_Stream << EGeneric({{"Text", "Thread pool overflowed"}});
    EXPECT_EQ("class EGeneric:Thread pool overflowed", Take());
    m_Stream << std::runtime_error("bad");
    EXPECT_EQ("class std::runtime_error:bad", Take());
    const ESystemException system(0x2000FFFF);
    m_Stream << system;
    EXPECT_EQ("class ESystemException:\nCode: 536936447 (0x2000ffff)\nText: ", Take());
}

TEST_F(DebugStreamTest, AThrowingWriterIsRemovedSilently)
{
    SmartPtr<TThrowingWriter> thrower(new TThrowingWriter);
    SmartPtr<TCaptureWriter> last(new TCaptureWriter);
    m_Stream.AddWriter(thrower);
    m_Stream.AddWriter(last);
    m_Stream << "one\n";
    m_Stream << "two\n";
    EXPECT_EQ(1, thrower->Calls);
    EXPECT_EQ("one\ntwo\n", Take());
    EXPECT_EQ("one\ntwo\n", last->Text);

    m_Stream.RemoveAllWriters();
    EXPECT_FALSE(m_Stream.HasWriters());
    EXPECT_FALSE(TDebugStream().HasWriters());
}

TEST_F(DebugStreamTest, PrintfWritesAtMost4095Characters)
{
    m_Stream.Printf("%d-%s", 42, "x");
    EXPECT_EQ("42-x", Take());
    m_Stream.Printf("%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(std::string(4095, 'x'), Take());
}

TEST_F(DebugStreamTest, Categories)
{
    EXPECT_FALSE(m_Stream.IsCategoryOn(2));
    m_Stream.SetCategoryLetters("CDGSW");
    EXPECT_EQ(TDebugStream::kDefaultCategories, m_Stream.GetCategories());
    m_Stream.SetCategories(0);
    m_Stream.SetCategoryLetters("az-Z!");
    EXPECT_EQ(1u << 25, m_Stream.GetCategories());
    EXPECT_TRUE(m_Stream.IsCategoryOn(25));
    EXPECT_THROW(m_Stream.IsCategoryOn(26), std::out_of_range);
}

TEST_F(DebugStreamTest, LinesOfTwoThreadsNeverInterleave)
{
    m_Stream.StampLines = true;
    auto writeLines = [this](int iThread) {
        for (int i = 0; i < 200; ++i)
            m_Stream << "thread " << iThread << " line " << i << "\n";
    };
    std::thread other(writeLines, 1);
    writeLines(2);
    other.join();

    const std::string text = Take();
    const std::regex line("09:26:53\\.123 thread [12] line \\d+");
    size_t lines = 0;
    for (size_t at = text.find('\n') + 1, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1, ++lines)
        EXPECT_TRUE(std::regex_match(text.substr(at, end - at), line)) << text.substr(at, end - at);
    EXPECT_EQ(400u, lines);
    EXPECT_EQ(0u, text.find("14.03.2006\n"));
}

TEST(DebugLog, StartsWithOneWriterAndStampingOff)
{
    EXPECT_TRUE(DebugLog().HasWriters());
    EXPECT_FALSE(DebugLog().StampLines);
    EXPECT_TRUE(ErrorLog().HasWriters());
    EXPECT_TRUE(ConsoleLog().HasWriters());
}

TEST(PermanentFileWriter, AppendsWithCarriageReturns)
{
    const std::wstring path = TempFile(L"zv_csl_permanent.log");
    {
        TPermanentFileWriter writer(path);
        writer.Write("one\ntwo\n", 8);
        EXPECT_EQ("one\r\ntwo\r\n", FileContent(path)) << "shared for reading while open";
    }
    TPermanentFileWriter(path).Write("x\r\n", 3);
    EXPECT_EQ("one\r\ntwo\r\nx\r\r\n", FileContent(path));
    {
        // Two processes' monitors log to the same daily file at once.
        TPermanentFileWriter first(path), second(path);
        first.Write("a\n", 2);
        second.Write("b\n", 2);
        first.Write("c\n", 2);
    }
    EXPECT_EQ("one\r\ntwo\r\nx\r\r\na\r\nb\r\nc\r\n", FileContent(path));
    DeleteFileW(path.c_str());

    TPermanentFileWriter(L"Z:\\no\\such\\folder\\file.log").Write("lost\n", 5);
}

TEST(FileWriter, AppendsOrDropsSilently)
{
    const std::wstring wide = TempFile(L"zv_csl_file.log");
    const std::string path(wide.begin(), wide.end());
    TFileWriter writer(path);
    writer.Write("a\n", 2);
    writer.Write("b", 1);
    EXPECT_EQ("a\r\nb", FileContent(wide)) << "text mode";
    DeleteFileW(wide.c_str());

    TFileWriter("Z:\\no\\such\\folder\\file.log").Write("lost", 4);
}

// Log statements stand in catch blocks and destructors, where an interrupt thrown would end
// the program; it comes at the thread's next alertable wait instead.
TEST_F(DebugStreamTest, InterruptWhileWaitingForTheLogComesAtTheNextWait)
{
    m_Stream.GetLock().Lock();
    std::atomic<bool> logging(false);
    std::string outcome;
    std::thread writer([&] {
        QueueUserAPC(&ThreadInterruptCall, GetCurrentThread(), 0);
        logging = true;
        try {
            m_Stream << "line\n";
            m_Stream.Printf("%s\n", "printed");
        } catch (const EThreadInterrupt&) {
            outcome = "interrupted in the log";
            return;
        }
        try {
            if (SleepEx(0, TRUE) == WAIT_IO_COMPLETION)
                ThrowIfInterrupted();
            outcome = "interrupt lost";
        } catch (const EThreadInterrupt&) {
            outcome = "interrupted at the next wait";
        }
    });
    while (!logging)
        Sleep(1);
    Sleep(50);  // lets the writer find the log held
    m_Stream.GetLock().Unlock();
    writer.join();
    EXPECT_EQ("interrupted at the next wait", outcome);
    EXPECT_EQ("line\nprinted\n", Take());
}
