#include "services/fatal.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <new>

#include "services/gbk.h"

namespace {

FatalMessageShower g_shower = nullptr;

// The lines for when the message cannot be shown: they need no memory.
constexpr const char *outOfMemoryLine = "zorvik: out of memory (内存不足)\n";
constexpr const char *runtimeErrorLine = "zorvik: runtime error (运行时出错)\n";
bool g_outOfMemory = false;

void WriteToStandardError(std::string_view gbkMessage)
{
    const QByteArray utf8 = ToQString(gbkMessage).toUtf8();
    std::fprintf(stderr, "zorvik: %s\n", utf8.constData());
}

}  // namespace

void InstallFatalMessageShower(FatalMessageShower shower)
{
    g_shower = shower;
}

void StopWithRuntimeError(std::string_view gbkMessage)
{
    // Showing the message may itself run out of memory, and a text it builds
    // would stop here again: a stop from inside the showing, or a showing
    // that fails, ends with a fixed line that needs no memory.
    static bool showing = false;
    if (showing) {
        std::fputs(g_outOfMemory ? outOfMemoryLine : runtimeErrorLine, stderr);
    } else {
        showing = true;
        try {
            if (g_shower)
                g_shower(gbkMessage);
            else
                WriteToStandardError(gbkMessage);
        } catch (const std::bad_alloc &) {
            std::fputs(outOfMemoryLine, stderr);
        } catch (...) {
            showing = false;  // a shower may hand the stop back by throwing
            throw;
        }
    }
    std::fflush(nullptr);
    std::_Exit(-1);
}

void StopForMemory(std::size_t bytes)
{
    // "分配 " and " 字节内存失败!" as GBK bytes, joined on the stack: the
    // message must not ask for the memory that just ran out.
    static constexpr std::string_view before = "\xB7\xD6\xC5\xE4 ";
    static constexpr std::string_view after = " \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";
    char message[64];
    char *end = std::copy(before.begin(), before.end(), message);
    end = std::to_chars(end, end + 24, bytes).ptr;
    end = std::copy(after.begin(), after.end(), end);
    g_outOfMemory = true;
    StopWithRuntimeError(std::string_view(message, std::size_t(end - message)));
}
