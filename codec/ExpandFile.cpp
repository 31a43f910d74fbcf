#include "codec/ExpandFile.h"
#include "codec/Container.h"
#include "codec/LzhUnpack.h"
#include <windows.h>
#include <algorithm>
#include <cstring>
#include <memory>

std::string InputName;
std::string OutputName;

namespace {

constexpr uint32_t BufferSize = 32768;

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // False when buffered data could not be written out.
    bool Close() {
        if (!IsOpen()) return true;
        bool flushed = FlushFileBuffers(handle_) != 0;
        bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return flushed && closed;
    }

  private:
    HANDLE handle_;
};

// The state of the one expansion in progress.
HANDLE inputHandle = INVALID_HANDLE_VALUE;
HANDLE outputHandle = INVALID_HANDLE_VALUE;
uint8_t* InputBuffer = nullptr;
uint8_t* OutputBuffer = nullptr;
uint16_t InputPos = 1;  // 1-based: next byte to hand out
int32_t InputCount = 0; // valid bytes in InputBuffer
uint16_t OutputPos = 1; // 1-based: next free byte

// -1 on failure, else the bytes read or written.
int32_t ReadFromFile(HANDLE file, void* buffer, uint32_t count) {
    DWORD done = 0;
    return ReadFile(file, buffer, count, &done, nullptr) ? static_cast<int32_t>(done) : -1;
}

int32_t WriteToFile(HANDLE file, const void* buffer, uint32_t count) {
    DWORD done = 0;
    return WriteFile(file, buffer, count, &done, nullptr) ? static_cast<int32_t>(done) : -1;
}

void ReadCheck(int32_t obtained, int32_t wanted) {
    if (obtained != wanted) throw ELzrw1Exception("ERROR READING FROM " + InputName + " !");
}

void WriteCheck(int32_t written, int32_t wanted) {
    if (written != wanted) throw ELzrw1Exception("ERROR WRITING TO " + OutputName + " !");
}

void WriteOutputBuffer() {
    int32_t pending = OutputPos - 1;
    WriteCheck(WriteToFile(outputHandle, OutputBuffer, static_cast<uint32_t>(pending)), pending);
}

// Points the callbacks at this expansion's files and buffers, and away again at its end.
class ExpansionState {
  public:
    ExpansionState(HANDLE input, HANDLE output, uint8_t* inputBuffer, uint8_t* outputBuffer) {
        inputHandle = input;
        outputHandle = output;
        InputBuffer = inputBuffer;
        OutputBuffer = outputBuffer;
        InputPos = 1;
        InputCount = 0;
        OutputPos = 1;
    }
    ~ExpansionState() {
        inputHandle = outputHandle = INVALID_HANDLE_VALUE;
        InputBuffer = OutputBuffer = nullptr;
    }
    ExpansionState(const ExpansionState&) = delete;
    ExpansionState& operator=(const ExpansionState&) = delete;
};

int32_t ReadHeaderField(HANDLE input) {
    uint8_t field[4];
    ReadCheck(ReadFromFile(input, field, sizeof field), sizeof field);
    return static_cast<int32_t>(LittleEndian32(field));
}

// Steps inside the output file's lifetime: header, stream, last block.
void ExpandStream(HANDLE input, HANDLE output, uint8_t* inputBuffer, uint8_t* outputBuffer) {
    if (static_cast<uint32_t>(ReadHeaderField(input)) != CompressedSignature)
        throw ELzrw1Exception(InputName + ": Keine komprimierte Datei!");
    int32_t size = ReadHeaderField(input);
    // A negative size would expand to an empty file and count as success.
    if (size < 0) throw ELzrw1Exception(InputName + ": Keine komprimierte Datei!");

    ExpansionState state(input, output, inputBuffer, outputBuffer);
    // Once the input has ended, more requests than the decoder reads ahead mean it is already
    // using bits the file does not have: stop instead of decoding zeros up to the size.
    unsigned missing = 0;
    auto read = [&missing](uint8_t* buffer, uint16_t count, uint16_t& actual) {
        ReadInputBytes(buffer, count, actual);
        if (actual == 0 && ++missing > lzh::LookaheadBytes) ReadCheck(0, count);
    };
    LzhUnpackResult result = LzhUnpack(size, read, WriteOutputBytes);
    // A stream that needed bits beyond the end of the file is truncated.
    if (result.overrun) ReadCheck(0, 1);
    // Only a damaged stream ends with a match that runs past the stored size.
    if (result.written != size) throw ELzrw1Exception(InputName + ": Keine komprimierte Datei!");
    uint16_t unused;
    WriteOutputBytes(nullptr, 0, unused);
}

} // namespace

void ReadInputBytes(uint8_t* buffer, uint16_t count, uint16_t& actual) {
    if (InputPos > InputCount) {
        InputCount = ReadFromFile(inputHandle, InputBuffer, BufferSize);
        if (InputCount == -1) throw ELzrw1Exception("Lesefehler: " + InputName + " !");
        if (InputCount == 0) {
            actual = 0;
            return;
        }
        InputPos = 1;
    }
    // Never asked for more than one byte; a larger request gets what the buffer still holds.
    uint16_t n = static_cast<uint16_t>(std::min<int32_t>(count, InputCount - InputPos + 1));
    std::memcpy(buffer, InputBuffer + InputPos - 1, n);
    InputPos = static_cast<uint16_t>(InputPos + n);
    actual = n;
}

void WriteOutputBytes(uint8_t* buffer, uint16_t count, uint16_t& actual) {
    if (count == 0) {
        WriteOutputBuffer();
        return;
    }
    if (OutputPos + count > BufferSize + 1) {
        WriteOutputBuffer();
        OutputPos = 1;
    }
    std::memcpy(OutputBuffer + OutputPos - 1, buffer, count);
    OutputPos = static_cast<uint16_t>(OutputPos + count);
    actual = count;
}

void ExpandFileOrThrow() {
    std::unique_ptr<uint8_t[]> inputBuffer, outputBuffer;
    try {
        inputBuffer = std::make_unique<uint8_t[]>(BufferSize);
        outputBuffer = std::make_unique<uint8_t[]>(BufferSize);
    } catch (const std::bad_alloc&) {
        throw ELzrw1Exception("Zu wenig Speicher für I/O Buffers !!");
    }
    FileHandle input(CreateFileA(InputName.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!input.IsOpen()) throw ELzrw1Exception(InputName + " nicht gefunden!");
    FileHandle output(CreateFileA(OutputName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!output.IsOpen()) throw ELzrw1Exception("Konnte " + OutputName + " nicht öffnen!");
    try {
        ExpandStream(input.Get(), output.Get(), inputBuffer.get(), outputBuffer.get());
        // Data the system still holds can fail to reach the disk only now.
        if (!output.Close()) WriteCheck(0, 1);
    } catch (...) {
        output.Close();
        DeleteFileA(OutputName.c_str());
        throw;
    }
}

int32_t ExpandFile() {
    try {
        ExpandFileOrThrow();
        return 1;
    } catch (...) {
        return -1;
    }
}
