#include "settings/about_box.h"

#include <string>

#include "services/gbk.h"
#include "services/message_box.h"
#include "services/window_layer.h"

Text AboutText()
{
    const std::string lines[] = {
        " 终于写完我的第一个完整的程序",
        "啦，或许还有很多的不足没有发现，",
        "但能力有限，希望大家多多指正！",
        "",
        "作者：林小算",
        "QQ:012345678",
        "邮箱：zorvik@example.org",
        "",
        std::string(43, ' ') + "2012.05.05",
    };
    std::string note;
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        if (i > 0)
            note += "\r\n";
        note += lines[i];
    }
    return Gbk(note);
}

void ShowAbout()
{
    ShowMessageBox(AboutText(), 0, Gbk("说明"));
}
