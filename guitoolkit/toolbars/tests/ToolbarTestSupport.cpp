#include "ToolbarTestSupport.h"

IMPLEMENT_DYNCREATE(RecordingLook, CGTVisualManager)
IMPLEMENT_SERIAL(ForeignThing, CObject, 1)

int ForeignThing::s_Made = 0;
int ForeignThing::s_Deleted = 0;

std::vector<BYTE> Stored(CObject& ioObject)
{
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        ioObject.Serialize(archive);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

void Load(CObject& oObject, std::vector<BYTE> iBytes)
{
    CMemFile file(iBytes.data(), static_cast<UINT>(iBytes.size()));
    CArchive archive(&file, CArchive::load);
    oObject.Serialize(archive);
}

DialogAnswerer* DialogAnswerer::s_Current = nullptr;

DialogAnswerer::DialogAnswerer(UINT iMarkControl, UINT iAnswer, std::function<void(HWND)> iFill)
    : m_MarkControl(iMarkControl), m_Answer(iAnswer), m_Fill(std::move(iFill)),
      m_Hook(::SetWindowsHookExW(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId())), m_Previous(s_Current)
{
    s_Current = this;
}

DialogAnswerer::~DialogAnswerer()
{
    ::UnhookWindowsHookEx(m_Hook);
    s_Current = m_Previous;
}

LRESULT CALLBACK DialogAnswerer::Hook(int iCode, WPARAM iWParam, LPARAM iLParam)
{
    const HWND window = reinterpret_cast<HWND>(iWParam);
    for (DialogAnswerer* answerer = s_Current; iCode == HCBT_ACTIVATE && answerer != nullptr;
         answerer = answerer->m_Previous) {
        if (::GetDlgItem(window, answerer->m_MarkControl) == nullptr)
            continue;
        // A dialog activated again (after a message box, say) is answered already.
        if (window == answerer->m_LastAnswered)
            break;
        answerer->m_LastAnswered = window;
        if (answerer->m_Fill)
            answerer->m_Fill(window);
        ++answerer->m_Answered;
        ::PostMessageW(window, WM_COMMAND, answerer->m_Answer, 0);
        break;
    }
    return ::CallNextHookEx(nullptr, iCode, iWParam, iLParam);
}
