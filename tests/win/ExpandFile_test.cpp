#include "codec/Container.h"
#include "codec/ExpandFile.h"
#include "codec/LzhUnpack.h"
#include "tests/core/AllocationFault.h"
#include "tests/core/TestData.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>

namespace {

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Runs ExpandFile and, to see the reason, ExpandFileOrThrow on the same files.
struct Outcome {
    int32_t result;
    std::string message;
};

Outcome Expand(
    const std::string& in, const std::string& out, const std::function<void()>& before = [] {}) {
    InputName = in;
    OutputName = out;
    before();
    Outcome outcome{ExpandFile(), ""};
    before();
    try {
        ExpandFileOrThrow();
    } catch (const Exception& e) {
        outcome.message = e.Message;
    }
    return outcome;
}

TEST(ExpandFile, FixturesExpandExactly) {
    TempDir dir;
    for (const auto& fixture : LzhufFixtures) {
        std::string in = TestDataPath(std::string("lzhuf/") + fixture.container);
        InputName = in;
        OutputName = dir / fixture.original;
        EXPECT_EQ(ExpandFile(), 1) << fixture.container;
        EXPECT_TRUE(ReadFileBytes(dir / fixture.original) ==
                    ReadTestData(std::string("lzhuf/") + fixture.original))
            << fixture.container;
        EXPECT_EQ(InputName, in); // the names stay
        EXPECT_EQ(OutputName, dir / fixture.original);
    }
}

TEST(ExpandFile, SizesAroundTheBufferAndExistingTargets) {
    TempDir dir;
    for (size_t size : {size_t(32767), size_t(32768), size_t(32769), size_t(65536), size_t(100000)}) {
        std::string data;
        for (size_t i = 0; i < size; ++i)
            data += static_cast<char>(i * i % 251);
        WriteFileBytes(dir / "DATA.BI_", PackContainer(data));
        WriteFileBytes(dir / "DATA.BIN", std::string(200000, 'x')); // truncated and rewritten
        InputName = dir / "DATA.BI_";
        OutputName = dir / "DATA.BIN";
        EXPECT_EQ(ExpandFile(), 1) << size;
        EXPECT_TRUE(ReadFileBytes(dir / "DATA.BIN") == data) << size;
        EXPECT_EQ(GetFileAttributesA(OutputName.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    }
}

// Every failure gives -1, and no output file remains once it was created.
TEST(ExpandFile, FailuresLeaveNoOutput) {
    TempDir dir;
    std::string good = ReadTestData("lzhuf/german_cp1252.tx_");
    std::string same61 = ReadTestData("lzhuf/same_61.bi_");
    auto withSize = [](std::string container, uint32_t size) {
        for (int i = 0; i < 4; ++i)
            container[4 + i] = static_cast<char>(size >> (8 * i));
        return container;
    };
    std::string in = dir / "IN.TX_", out = dir / "OUT.TXT";
    struct Case {
        std::string input;
        std::string message;
    } cases[] = {
        {"!HZ", "ERROR READING FROM " + in + " !"},
        {"!HZL\x01\x02", "ERROR READING FROM " + in + " !"},
        {"plain text under a compressed name", in + ": Keine komprimierte Datei!"},
        {good.substr(0, good.size() - 20), "ERROR READING FROM " + in + " !"}, // truncated stream
        {std::string("!HZL\x05\0\0\0", 8), "ERROR READING FROM " + in + " !"}, // no stream at all
        {withSize(good, 0xFFFFFFFFu), in + ": Keine komprimierte Datei!"},     // negative size
        {withSize(same61, 30), in + ": Keine komprimierte Datei!"},            // last match too long
    };
    for (const auto& c : cases) {
        WriteFileBytes(in, c.input);
        WriteFileBytes(out, "an older version");
        Outcome outcome = Expand(in, out);
        EXPECT_EQ(outcome.result, -1) << c.message;
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_FALSE(Exists(out)) << c.message;
    }
}

TEST(ExpandFile, InputOrOutputThatCannotBeOpened) {
    TempDir dir;
    std::string in = dir / "IN.EX_", out = dir / "OUT.EXE";
    WriteFileBytes(in, ReadTestData("lzhuf/one_byte.bi_"));

    Outcome missing = Expand(dir / "MISSING.EX_", out);
    EXPECT_EQ(missing.result, -1);
    EXPECT_EQ(missing.message, dir / "MISSING.EX_" + " nicht gefunden!");
    EXPECT_FALSE(Exists(out)); // never created

    {
        HANDLE lock = CreateFileA(in.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        Outcome locked = Expand(in, out);
        CloseHandle(lock);
        EXPECT_EQ(locked.message, in + " nicht gefunden!");
        EXPECT_FALSE(Exists(out));
    }

    for (const std::string& target :
         {dir / "NO\\SUCH\\DIR\\OUT.EXE", dir.Path().substr(0, dir.Path().size() - 1)}) {
        Outcome outcome = Expand(in, target);
        EXPECT_EQ(outcome.result, -1) << target;
        EXPECT_EQ(outcome.message, "Konnte " + target + " nicht öffnen!");
    }

    // An output file in use stays as it is. (A read-only one would do on Windows; Wine
    // running as root writes to it anyway.)
    WriteFileBytes(out, "old version in use");
    HANDLE inUse = CreateFileA(out.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    Outcome busy = Expand(in, out);
    CloseHandle(inUse);
    EXPECT_EQ(busy.result, -1);
    EXPECT_EQ(busy.message, "Konnte " + out + " nicht öffnen!");
    EXPECT_EQ(ReadFileBytes(out), "old version in use");

    // Expanding a file onto itself cannot destroy it.
    Outcome onto = Expand(in, in);
    EXPECT_EQ(onto.message, "Konnte " + in + " nicht öffnen!");
    EXPECT_EQ(ReadFileBytes(in), ReadTestData("lzhuf/one_byte.bi_"));

    // The input was closed again: it can be expanded, and removed.
    EXPECT_EQ(Expand(in, out).result, 1);
    EXPECT_TRUE(DeleteFileA(in.c_str()));
}

TEST(ExpandFile, MemoryThatCannotBeObtained) {
    TempDir dir;
    std::string in = dir / "IN.EX_", out = dir / "OUT.EXE";
    WriteFileBytes(in, ReadTestData("lzhuf/mixed_32769.bi_"));

    Outcome buffers = Expand(in, out, [] { FailNextAllocationOf(32768); });
    EXPECT_EQ(buffers.result, -1);
    EXPECT_EQ(buffers.message, "Zu wenig Speicher für I/O Buffers !!");
    EXPECT_FALSE(Exists(out));

    Outcome tables = Expand(in, out, [] { FailNextAllocationOf(sizeof(lzh::LzhTables)); });
    EXPECT_EQ(tables.result, -1);
    EXPECT_EQ(tables.message, "LZH : Cannot get memory for dictionary tables");
    EXPECT_FALSE(Exists(out));
}

// Sends the start of a container through the pipe, then goes away.
DWORD WINAPI WriteThenDisconnect(void* handle) {
    auto server = static_cast<HANDLE>(handle);
    ConnectNamedPipe(server, nullptr);
    std::string part = ReadTestData("lzhuf/mixed_32769.bi_").substr(0, 1000);
    DWORD written;
    WriteFile(server, part.data(), static_cast<DWORD>(part.size()), &written, nullptr);
    Sleep(200);
    DisconnectNamedPipe(server);
    return 0;
}

// A pipe whose writer goes away mid-stream makes the buffered read itself fail.
TEST(ExpandFile, ReadFailureWhileDecoding) {
    TempDir dir;
    std::string pipe = "\\\\.\\pipe\\setuptest-expand-" + std::to_string(GetCurrentProcessId());
    HANDLE server = CreateNamedPipeA(pipe.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 65536,
                                     65536, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    HANDLE writer = CreateThread(nullptr, 0, WriteThenDisconnect, server, 0, nullptr);
    InputName = pipe;
    OutputName = dir / "OUT.BIN";
    std::string message;
    try {
        ExpandFileOrThrow();
    } catch (const Exception& e) {
        message = e.Message;
    }
    WaitForSingleObject(writer, INFINITE);
    CloseHandle(writer);
    CloseHandle(server);
    EXPECT_EQ(message, "Lesefehler: " + pipe + " !");
    EXPECT_FALSE(Exists(OutputName));
}

std::string WinePath(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/') c = '\\';
    return "Z:" + unixPath;
}

// Wine starts Unix programs but gives no process to wait for: the command leaves a mark
// file when it has succeeded.
bool RunUnix(const std::string& command, const std::string& mark) {
    std::string line = "/bin/sh -c \"" + command + " && touch " + mark + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int i = 0; i < 600 && !Exists(WinePath(mark)); ++i)
        Sleep(50);
    return DeleteFileA(WinePath(mark).c_str()) != 0;
}

// A 64 KiB tmpfs for one test, mounted through the Unix side of Wine and reached through Z:.
class SmallDrive {
  public:
    SmallDrive() : unixDir_("/tmp/setuptest-full-" + std::to_string(GetCurrentProcessId())) {
        mounted_ = RunUnix("mkdir -p " + unixDir_ + " && mount -t tmpfs -o size=64k tmpfs " + unixDir_,
                           unixDir_ + ".mounted");
    }
    // Also after a mount that was too slow to count.
    ~SmallDrive() {
        RunUnix("umount " + unixDir_ + " 2>/dev/null; rmdir " + unixDir_ + " 2>/dev/null; true",
                unixDir_ + ".removed");
    }
    SmallDrive(const SmallDrive&) = delete;
    SmallDrive& operator=(const SmallDrive&) = delete;
    bool Mounted() const { return mounted_; }
    std::string Path() const { return WinePath(unixDir_) + "\\"; }

  private:
    std::string unixDir_;
    bool mounted_ = false;
};

TEST(ExpandFile, FullTargetLeavesNoPartialFile) {
    SmallDrive drive;
    if (!drive.Mounted())
        GTEST_SKIP() << "a 64 KiB tmpfs cannot be mounted here (needs Wine, running as root)";
    std::string out = drive.Path() + "BIG.TXT";
    Outcome outcome = Expand(TestDataPath("lzhuf/repetitive_300k.tx_"), out);
    EXPECT_EQ(outcome.result, -1);
    EXPECT_EQ(outcome.message, "ERROR WRITING TO " + out + " !");
    EXPECT_FALSE(Exists(out));
    // What fits is still expanded.
    std::string small = drive.Path() + "SMALL.TXT";
    EXPECT_EQ(Expand(TestDataPath("lzhuf/german_cp1252.tx_"), small).result, 1);
    EXPECT_TRUE(ReadFileBytes(small) == ReadTestData("lzhuf/german_cp1252.txt"));
    DeleteFileA(small.c_str());
}

} // namespace
