// TIDEWIRE.DLL as the Windows loader sees it, loaded at run time by a program
// that has no import of it: it loads on its own, loading it does nothing
// visible, each ordinal leads to the export of its name, and unloading it
// completes no file.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>

#include "scratch_directory.h"

namespace {

struct table_entry {
    WORD ordinal;
    const char* name;
};

// tidewire/exports.txt, turned into entries at configure time.
constexpr table_entry export_table[] = {
#include "export_table.inc"
};

constexpr WORD ordinal_twopen = 6;
constexpr WORD ordinal_twclose = 54;
using open_function = void (*)(const char*, const std::int32_t*, std::int32_t*, std::int32_t*);
using close_function = void (*)(const std::int32_t*, std::int32_t*);

class dll_loading : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryA("TIDEWIRE.DLL");
        ASSERT_NE(module, nullptr) << "LoadLibrary failed with " << GetLastError();
    }
    void TearDown() override
    {
        if (module != nullptr) FreeLibrary(module);
    }

    FARPROC by_ordinal(WORD ordinal) const { return GetProcAddress(module, MAKEINTRESOURCEA(ordinal)); }
    FARPROC by_name(const char* name) const { return GetProcAddress(module, name); }

    scratch_directory directory;
    HMODULE module = nullptr;
};

}  // namespace

TEST_F(dll_loading, every_ordinal_leads_to_the_export_of_its_name)
{
    ASSERT_EQ(sizeof export_table / sizeof export_table[0], 54u);
    for (const table_entry& entry : export_table) {
        const FARPROC function = by_ordinal(entry.ordinal);
        EXPECT_NE(function, nullptr) << entry.ordinal;
        EXPECT_EQ(function, by_name(entry.name)) << entry.ordinal << " " << entry.name;
    }
    EXPECT_EQ(by_ordinal(56), nullptr);
}

TEST_F(dll_loading, loading_writes_nothing_and_calls_by_ordinal_work)
{
    EXPECT_FALSE(file_exists("LOG.TXT"));
    const auto open = reinterpret_cast<open_function>(by_ordinal(ordinal_twopen));
    const auto close = reinterpret_cast<close_function>(by_ordinal(ordinal_twclose));
    ASSERT_NE(open, nullptr);
    ASSERT_NE(close, nullptr);
    const std::int32_t write_mode = 1;
    std::int32_t handle = 0, error = -1;
    open("by-ordinal.lnk", &write_mode, &handle, &error);
    EXPECT_EQ(error, 0);
    close(&handle, &error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(read_file_bytes("by-ordinal.lnk").substr(0, 8), std::string("\x08\0\0\0\0\0\0\0", 8));
    EXPECT_TRUE(file_exists("LOG.TXT"));
}

// Unloading releases the last-error text alone: a dataset still open for
// writing is not finished, and its file, held until the process ends, then
// has no header offset. The test runs itself again as a child process that
// opens the file and unloads the library.
TEST_F(dll_loading, a_file_left_open_at_unload_gets_no_header)
{
    const char* const child_variable = "TIDEWIRE_TEST_LEFT_OPEN_FILE";
    char child_file[MAX_PATH];
    if (GetEnvironmentVariableA(child_variable, child_file, MAX_PATH) != 0) {
        const auto open = reinterpret_cast<open_function>(by_ordinal(ordinal_twopen));
        ASSERT_NE(open, nullptr);
        const std::int32_t write_mode = 1;
        std::int32_t handle = 0, error = -1;
        open(child_file, &write_mode, &handle, &error);
        ASSERT_EQ(error, 0);
        FreeLibrary(module);
        module = nullptr;
        return;
    }

    const std::string file = (std::filesystem::current_path() / "left-open.lnk").string();
    ASSERT_TRUE(SetEnvironmentVariableA(child_variable, file.c_str()));
    char program[MAX_PATH];
    ASSERT_NE(GetModuleFileNameA(nullptr, program, MAX_PATH), 0u);
    std::string command =
        std::string("\"") + program + "\" --gtest_filter=dll_loading.a_file_left_open_at_unload_gets_no_header";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
    SetEnvironmentVariableA(child_variable, nullptr);
    ASSERT_EQ(WaitForSingleObject(child.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exit_code = 1;
    GetExitCodeProcess(child.hProcess, &exit_code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    EXPECT_EQ(exit_code, 0u);
    EXPECT_EQ(read_file_bytes(file), std::string(8, '\0'));
}
