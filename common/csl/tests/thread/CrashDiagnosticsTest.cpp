#include <csl/ContextRegisters.h>
#include <csl/EGeneric.h>
#include <csl/EStructuredException.h>
#include <csl/TSeTranslatorGuard.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <thread>

namespace {

std::string Text(const _value_t& iValue)
{
    std::string text;
    if (!iValue.IsEmpty())
        iValue.GetString(text);
    return text;
}

// Read at run time, so that the compiler neither sees nor warns about the bad write.
int* volatile gLowAddress = reinterpret_cast<int*>(16);

__attribute__((noinline)) void WriteToLowAddress()
{
    *gLowAddress = 1;
}

__attribute__((noinline)) void ThrowFromNamedFunction()
{
    throw EGeneric(TNamedValue("Text", "deep"));
}

// Runs the body in a fresh folder as the current directory, so that dumps land there.
class CrashDiagnosticsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_Folder = std::string(temp) + "csl_dumps_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_Folder.c_str(), nullptr);
        GetCurrentDirectoryA(MAX_PATH, temp);
        m_Previous = temp;
        SetCurrentDirectoryA(m_Folder.c_str());
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(m_Previous.c_str());
        WIN32_FIND_DATAA found;
        std::string dumps = m_Folder + "\\Dumps\\";
        HANDLE search = FindFirstFileA((dumps + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA((dumps + found.cFileName).c_str());
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(dumps.c_str());
        RemoveDirectoryA(m_Folder.c_str());
    }

    std::string m_Folder;
    std::string m_Previous;
};

TEST_F(CrashDiagnosticsTest, AccessViolationOnGuardedThreadBecomesStructuredExceptionWithDump)
{
    std::unique_ptr<EStructuredException> caught;
    std::thread([&] {
        TSeTranslatorGuard guard;
        try {
            WriteToLowAddress();
        } catch (const EStructuredException& e) {
            caught.reset(new EStructuredException(e));
        }
    }).join();

    ASSERT_TRUE(caught);
    EXPECT_EQ(static_cast<int>(EXCEPTION_ACCESS_VIOLATION), caught->GetProperty("Code").GetInt());
    EXPECT_EQ("Access Violation (write to 0x10)", Text(caught->GetProperty("Text")));
    EXPECT_NE(0, caught->GetProperty("Address").GetInt());
    EXPECT_NE(std::string::npos, Text(caught->GetProperty("AddressName")).find("WriteToLowAddress"));
    EXPECT_NE(std::string::npos, Text(caught->GetProperty("Stack")).find("WriteToLowAddress"));
    EXPECT_EQ("Stack", caught->GetPropertyNames().back());

    const std::string dump = Text(caught->GetProperty("MiniDump"));
    EXPECT_EQ(0u, dump.find("Dumps\\C0000005_")) << dump;
    EXPECT_EQ(".dmp", dump.substr(dump.size() - 4));
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(dump.c_str(), GetFileExInfoStandard, &data));
    EXPECT_GT(data.nFileSizeLow, 0u);
}

// A handler behind the library's sees what the library let pass, and ends the thread.
DWORD gUnguardedThread = 0;

void EndThreadUntranslated()
{
    ExitThread(7);
}

LONG CALLBACK CatchUntranslated(EXCEPTION_POINTERS* iPointers)
{
    if (GetCurrentThreadId() != gUnguardedThread ||
        iPointers->ExceptionRecord->ExceptionCode != EXCEPTION_ACCESS_VIOLATION)
        return EXCEPTION_CONTINUE_SEARCH;
    // The thread enters the function as a call would enter it: below the faulting frame and its
    // home space, on an aligned stack less the return address's slot.
    CONTEXT& context = *iPointers->ContextRecord;
    StackPointer(context) = ((StackPointer(context) - 64) & ~DWORD_PTR(15)) - sizeof(DWORD_PTR);
    InstructionPointer(context) = reinterpret_cast<DWORD_PTR>(&EndThreadUntranslated);
    return EXCEPTION_CONTINUE_EXECUTION;
}

DWORD WINAPI UnguardedBody(void*)
{
    try {
        WriteToLowAddress();
    } catch (...) {
        return 1;
    }
    return 0;
}

TEST_F(CrashDiagnosticsTest, UnguardedThreadIsNotTranslated)
{
    PVOID handler = AddVectoredExceptionHandler(0, &CatchUntranslated);
    HANDLE thread = CreateThread(nullptr, 0, &UnguardedBody, nullptr, CREATE_SUSPENDED, &gUnguardedThread);
    ResumeThread(thread);
    WaitForSingleObject(thread, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeThread(thread, &exitCode);
    CloseHandle(thread);
    RemoveVectoredExceptionHandler(handler);
    EXPECT_EQ(7u, exitCode);
}

TEST_F(CrashDiagnosticsTest, ThrownExceptionRecordsStackButNoDump)
{
    try {
        ThrowFromNamedFunction();
        FAIL();
    } catch (const EGeneric& e) {
        const std::string stack = Text(e.GetProperty("Stack"));
        ASSERT_EQ(0u, stack.find("\n-> ")) << stack;
        // Innermost frame last: the throwing function closes the text.
        const size_t lastLine = stack.rfind("\n-> ");
        EXPECT_NE(std::string::npos, stack.find("ThrowFromNamedFunction", lastLine)) << stack;
        EXPECT_FALSE(e.HasProperty("MiniDump"));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("Dumps"));
    }
}

}  // namespace
