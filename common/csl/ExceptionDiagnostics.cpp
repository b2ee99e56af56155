#include <csl/ExceptionDiagnostics.h>

#include <csl/ContextRegisters.h>
#include <csl/EGeneric.h>
#include <csl/MiniDump.h>
#include <csl/TDbgHelp.h>
#include <csl/TStackCapture.h>

namespace {

// This function's frame and the EGeneric constructor's (its diagnostics step is inlined or
// reaches this function by a tail call, so it has no frame of its own).
const unsigned kCreationFramesSkipped = 2;

// An exception raised while diagnostics are being attached (a failing lock, a fault in the
// debugging help library) is itself built without them: no endless recursion.
thread_local bool tAttaching = false;

// Diagnostics are attached when this thread is not attaching already and the debugging help
// library is there.
class TAttachScope {
public:
    TAttachScope() : m_Entered(!tAttaching) { tAttaching = true; }
    ~TAttachScope()
    {
        if (m_Entered)
            tAttaching = false;
    }
    TAttachScope(const TAttachScope&) = delete;
    TAttachScope& operator=(const TAttachScope&) = delete;

    bool CanAttach() const { return m_Entered && LoadDbgHelp(); }

private:
    bool m_Entered;
};

void SetStack(EGeneric& ioException, const TStackCapture& iCapture)
{
    if (iCapture.Count > 0)
        ioException.SetProperty("Stack", FormatStackFrames(iCapture.Frames, iCapture.Count));
}

void SetDump(EGeneric& ioException, EXCEPTION_POINTERS* iPointers)
{
    std::string name = WriteExceptionMiniDump(iPointers);
    if (!name.empty())
        ioException.SetProperty("MiniDump", name);
}

const bool gInstalled = InstallExceptionDiagnostics();

}  // namespace

void AttachCreationDiagnostics(EGeneric& ioException)
{
    TAttachScope scope;
    if (!scope.CanAttach())
        return;
    TStackCapture capture;
    CaptureStack(capture, nullptr, GetCurrentThread(), kCreationFramesSkipped);
    SetStack(ioException, capture);
    // A throw never reaches a vectored handler with g++ (it unwinds without raising a
    // structured exception), so the dump of a thrown object is written here.
    if (DumpsEnabled)
        SetDump(ioException, nullptr);
}

void AttachStructuredDiagnostics(EGeneric& ioException, EXCEPTION_POINTERS* iPointers)
{
    TAttachScope scope;
    if (!scope.CanAttach())
        return;
    TStackCapture capture;
    CaptureStack(capture, iPointers->ContextRecord, GetCurrentThread(), 0);
    if (iPointers->ContextRecord)
        ioException.SetProperty("AddressName", FormatStackText(InstructionPointer(*iPointers->ContextRecord)));
    SetStack(ioException, capture);
    SetDump(ioException, iPointers);
}

bool InstallExceptionDiagnostics()
{
    SetExceptionDiagnostics({&AttachCreationDiagnostics, &AttachStructuredDiagnostics});
    return true;
}
