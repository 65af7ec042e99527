#include "QbxConst.h"

#include <QFile>

// Resources of a static library are registered by name, from outside any namespace.
static void InitSettingsResources() { Q_INIT_RESOURCE(settings); }

namespace qbx {

const QStringList& BuiltInMessages() {
    static const QStringList messages = {
        QStringLiteral("Quirebox文档"),
        QStringLiteral("Quirebox 阅读器"),
        QStringLiteral("Quirebox文件(*.qbx)|*.qbx"),
        QStringLiteral("另存为"),
        QStringLiteral("打开"),
        QStringLiteral("附件"),
        QStringLiteral("文本文件(*.txt)|*.txt"),
        QStringLiteral("Rtf 文件(*.rtf)|*.rtf"),
        QStringLiteral("所有文件|*.*"),
        QStringLiteral("记录数："),
        QStringLiteral("记录长度："),
        QStringLiteral("行:"),
        QStringLiteral("列:"),
        QStringLiteral("标题检索："),
        QStringLiteral("局部检索："),
        QStringLiteral("全文检索："),
        QStringLiteral("关键字检索"),
        QStringLiteral("正在查找 "),
        QStringLiteral("(只读)"),
        QStringLiteral("请输入密码："),
        QStringLiteral("请选择目录："),
        QStringLiteral("Quirebox，你收集资料的好帮手"),
        QStringLiteral("检索出错"),
        QStringLiteral("你选择的节点必须有子节点"),
        QStringLiteral("你必须选择一个节点"),
        QStringLiteral("回收站"),
        QStringLiteral("出错日期"),
        QStringLiteral("Quirebox版本"),
        QStringLiteral("出错信息"),
        QStringLiteral("当前用法"),
        QStringLiteral("未发现匹配文本"),
        QStringLiteral("Quirebox打开密码错误！"),
        QStringLiteral("警告"),
        QStringLiteral("要导出的目录已存在"),
        QStringLiteral("打开Quirebox失败，请检查Quirebox是否已经打开？"),
        QStringLiteral("Quirebox不存在，可能是Quirebox已经移走或删除！"),
        QStringLiteral("EXE文件已经存在，是否要覆盖它？"),
        QStringLiteral("生成EXE时发生错误！"),
        QStringLiteral("EXE文件已经产生成功，是否现在要运行？"),
    };
    return messages;
}

QStringList MessageTable = BuiltInMessages();

QString Message(int index) { return index >= 0 && index < MessageTable.size() ? MessageTable[index] : QString(); }

void ResetMessageTable() { MessageTable = BuiltInMessages(); }

QByteArray EnglishLanguageFile() {
    InitSettingsResources();
    QFile f(QStringLiteral(":/quirebox/qbxeng.ini"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace qbx
