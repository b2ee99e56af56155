#pragma once
#include <csl/IThreadJob.h>
#include <csl/TThreadJob_MemberCall.h>

// A queue of jobs served by pooled threads.
class IThreadPool : public virtual SmartPtrObj {
public:
    // Queues the job; a full queue throws EGeneric "Thread pool overflowed". True when no
    // more jobs are queued than the pool has threads at most.
    virtual bool AddJob(const SmartPtr<IThreadJob>& iJob) = 0;
    // Drops the queued jobs unrun and interrupts every worker.
    virtual void Shutdown() = 0;

    // Queues a call of a member function of an object.
    template <class T>
    static bool AddMemberCallJob(const SmartPtr<IThreadPool>& iPool, T* iObject, void (T::*iMember)())
    {
        return iPool->AddJob(new TThreadJob_MemberCall0<T>(iObject, iMember));
    }
    template <class T, class A1, class A2>
    static bool AddMemberCallJob2(const SmartPtr<IThreadPool>& iPool, T* iObject, void (T::*iMember)(A1, A2), A1 i1,
                                  A2 i2)
    {
        return iPool->AddJob(new TThreadJob_MemberCall2<T, A1, A2>(iObject, iMember, i1, i2));
    }
    template <class T, class A1, class A2, class A3, class A4, class A5>
    static bool AddMemberCallJob5(const SmartPtr<IThreadPool>& iPool, T* iObject,
                                  void (T::*iMember)(A1, A2, A3, A4, A5), A1 i1, A2 i2, A3 i3, A4 i4, A5 i5)
    {
        return iPool->AddJob(new TThreadJob_MemberCall5<T, A1, A2, A3, A4, A5>(iObject, iMember, i1, i2, i3, i4, i5));
    }
};

// The process-wide pool handle: empty unless a program sets it.
SmartPtr<IThreadPool>& ProcessThreadPool();
// Shuts the process-wide pool down and empties the handle.
void ShutdownProcessThreadPool();
