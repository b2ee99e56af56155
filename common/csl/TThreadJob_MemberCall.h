#pragma once
#include <csl/IThreadJob.h>
#include <csl/TStackCapture.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// The code address that a member-function pointer leads to for an object (a virtual member
// is looked up in the object's table).
const void* MemberFunctionAddress(const void* iObject, const void* iMemberPointer, size_t iSize);

// Base of the member-call jobs: the object and the member, described by the member's symbol.
template <class T, class Member>
class TThreadJob_MemberCallBase : public IThreadJob {
public:
    TThreadJob_MemberCallBase(T* iObject, Member iMember) : m_Object(iObject), m_Member(iMember) {}

    std::string GetDescription() const override
    {
        return FormatStackText(
            reinterpret_cast<uintptr_t>(MemberFunctionAddress(m_Object, &m_Member, sizeof(m_Member))));
    }

protected:
    T* m_Object;
    Member m_Member;
};

template <class T>
class TThreadJob_MemberCall0 : public TThreadJob_MemberCallBase<T, void (T::*)()> {
public:
    TThreadJob_MemberCall0(T* iObject, void (T::*iMember)())
        : TThreadJob_MemberCall0::TThreadJob_MemberCallBase(iObject, iMember)
    {
    }

    void Run(const SmartPtr<IThreadContext>&) override { (this->m_Object->*this->m_Member)(); }
};

template <class T, class A1, class A2>
class TThreadJob_MemberCall2 : public TThreadJob_MemberCallBase<T, void (T::*)(A1, A2)> {
public:
    TThreadJob_MemberCall2(T* iObject, void (T::*iMember)(A1, A2), A1 i1, A2 i2)
        : TThreadJob_MemberCall2::TThreadJob_MemberCallBase(iObject, iMember), m1(i1), m2(i2)
    {
    }

    void Run(const SmartPtr<IThreadContext>&) override { (this->m_Object->*this->m_Member)(m1, m2); }

private:
    A1 m1;
    A2 m2;
};

template <class T, class A1, class A2, class A3, class A4, class A5>
class TThreadJob_MemberCall5 : public TThreadJob_MemberCallBase<T, void (T::*)(A1, A2, A3, A4, A5)> {
public:
    TThreadJob_MemberCall5(T* iObject, void (T::*iMember)(A1, A2, A3, A4, A5), A1 i1, A2 i2, A3 i3, A4 i4, A5 i5)
        : TThreadJob_MemberCall5::TThreadJob_MemberCallBase(iObject, iMember), m1(i1), m2(i2), m3(i3), m4(i4), m5(i5)
    {
    }

    void Run(const SmartPtr<IThreadContext>&) override { (this->m_Object->*this->m_Member)(m1, m2, m3, m4, m5); }

private:
    A1 m1;
    A2 m2;
    A3 m3;
    A4 m4;
    A5 m5;
};
