#include "services/message_box.h"

#include <QMessageBox>
#include <QPushButton>

#include "services/gbk.h"

namespace {

QString displayText(const Text &text)
{
    // "\r\n" starts a new line; the toolkit wants "\n".
    return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The boxes speak the program's language whatever translations are installed.
void okButtonInChinese(QMessageBox &box)
{
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
}

}  // namespace

int ShowMessageBox(const Text &text, int /*style*/, const Text &title)
{
    QMessageBox box;
    box.setWindowTitle(ToQString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    box.setStandardButtons(QMessageBox::Ok);
    okButtonInChinese(box);
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    return 1;  // OK
}

void ShowFatalErrorBox(std::string_view gbkMessage)
{
    const Text text = ConcatText({Gbk("运行时出错!\r\n\r\n"), Gbk("错误信息："), gbkMessage, "\r\n"});
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), displayText(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    okButtonInChinese(box);
    box.exec();
}
