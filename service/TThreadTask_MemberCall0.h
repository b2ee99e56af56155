#pragma once
#include "TThreadTask.h"

#include <csl/IThreadPool.h>

// A task that calls a member function of an object without arguments.
template <class T>
class TThreadTask_MemberCall0 : public TThreadTask {
public:
    TThreadTask_MemberCall0(T* iObject, void (T::*iMember)()) : m_Object(iObject), m_Member(iMember) {}

    // An EGeneric that ends the member is kept as the task's failure; anything else goes on
    // to the worker.
    void Run(const SmartPtr<IThreadContext>& iContext) override
    {
        if (IsFinished())
            return;
        SetContext(iContext);
        MarkStarted();
        struct TFinish {
            TThreadTask* Task;
            ~TFinish() { Task->MarkFinished(); }
        } finish{this};
        try {
            (m_Object->*m_Member)();
        } catch (const EGeneric& failure) {
            SetFailure(failure);
        }
    }

private:
    T* m_Object;
    void (T::*m_Member)();
};

// Hands a member call to the pool as a task that the caller can wait for and abort.
template <class T>
SmartPtr<IThreadTask> AddMemberCallTask(const SmartPtr<IThreadPool>& iPool, T* iObject, void (T::*iMember)())
{
    SmartPtr<IThreadTask> task(new TThreadTask_MemberCall0<T>(iObject, iMember));
    iPool->AddJob(task);
    return task;
}
