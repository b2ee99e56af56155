#include <afx.h>
#include <gtest/gtest.h>
#include <cstdlib>

TEST(MemFile, GrowsAndHandsOverItsBlock)
{
    CMemFile file(16);
    BYTE data[40];
    for (int i = 0; i < 40; ++i)
        data[i] = (BYTE)i;
    file.Write(data, 40);
    EXPECT_EQ(40u, file.GetLength());
    file.SeekToBegin();
    BYTE back[50];
    EXPECT_EQ(40u, file.Read(back, 50));
    EXPECT_EQ(0, memcmp(data, back, 40));
    EXPECT_EQ(0u, file.Read(back, 1));

    file.Seek(44, CFile::begin);
    file.Write(data, 1);
    EXPECT_EQ(45u, file.GetLength());
    file.Seek(40, CFile::begin);
    file.Read(back, 5);
    const BYTE gap[5] = {};
    EXPECT_EQ(0, memcmp(gap, back, 5));

    ULONGLONG length = file.GetLength();
    BYTE* block = file.Detach();
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(45u, length);
    EXPECT_EQ(39, block[39]);
    EXPECT_EQ(0u, file.GetLength());
    free(block);
}

TEST(MemFile, AttachedBlockWithoutGrowthIsTheWholeFile)
{
    BYTE data[4] = {1, 2, 3, 4};
    CMemFile file;
    file.Attach(data, sizeof(data));
    EXPECT_EQ(4u, file.GetLength());
    file.Seek(2, CFile::begin);
    BYTE two[2] = {9, 9};
    file.Write(two, 2);
    EXPECT_EQ(9, data[3]);
    try {
        file.Write(two, 1);
        FAIL();
    } catch (CMemoryException* e) {
        e->Delete();
    }
    EXPECT_EQ(data, file.Detach());
}

TEST(SharedFile, DetachesAGlobalMemoryHandle)
{
    CSharedFile file;
    file.Write("clip", 4);
    HGLOBAL hMem = file.Detach();
    ASSERT_NE(nullptr, hMem);
    EXPECT_GE(GlobalSize(hMem), 4u);
    EXPECT_EQ(0, memcmp(GlobalLock(hMem), "clip", 4));
    GlobalUnlock(hMem);

    CSharedFile reader;
    reader.SetHandle(hMem, FALSE);
    char text[4];
    EXPECT_EQ(4u, reader.Read(text, 4));
    EXPECT_EQ(0, memcmp(text, "clip", 4));
}

TEST(File, WrapsARawHandleWithoutOwningIt)
{
    wchar_t dir[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    GetTempFileNameW(dir, L"mfc", 0, path);
    HANDLE h = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    {
        CFile file(h);
        CArchive ar(&file, CArchive::store);
        ar << (DWORD)0x11223344;
        ar.Close();
        file.Close();
    }
    EXPECT_EQ(0u, SetFilePointer(h, 0, nullptr, FILE_BEGIN));
    CFile again(h);
    EXPECT_EQ(4u, again.GetLength());
    DWORD value = 0;
    EXPECT_EQ(4u, again.Read(&value, 4));
    EXPECT_EQ(0x11223344u, value);
    CloseHandle(h);
}

TEST(File, OpenReportsTheCause)
{
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(L"C:\\no such folder\\missing.bin", CFile::modeRead, &error));
    EXPECT_EQ(CFileException::badPath, error.m_cause);
    EXPECT_EQ(ERROR_PATH_NOT_FOUND, error.m_lOsError);
}
