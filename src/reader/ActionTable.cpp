#include "ActionTable.h"

namespace qbx {

bool NeedsDocument(int tag) { return tag % 2 == 0; }

const std::vector<TActionRow>& ActionTable() {
    // clang-format off
    static const std::vector<TActionRow> table = {
        // name, caption, hint, shortcut, tag, category, checkable, checked, group, icon
        {"CopyAction", "拷贝(&C)", "复制|拷贝到粘贴板", "Ctrl+C", 2, "Edit", false, false, 0, "edit-copy"},
        {"OpenAction", "打开(&O)...", "打开|打开一个Quirebox文档", "Ctrl+O", 3, "File", false, false, 0, "document-open"},
        {"CloseAction", "关闭(&C)", "关闭|关闭当前文档", "", 2, "File", false, false, 0, "document-close"},
        {"ExportAction", "导出(&E)...", "导出|将所选分支导出到磁盘上", "", 2, "File", false, false, 0, "document-save-as"},
        {"MakeExeAction", "生成EXE文件(&M)...", "", "", 3, "File", false, false, 0, "application-x-executable"},
        {"PrintAction", "打印(&P)...", "打印|打印当前文本内容", "Ctrl+P", 2, "File", false, false, 0, "document-print"},
        {"MyLoveAction", "我的最爱(&L)", "我的最爱|打开我最喜爱的Quirebox文档", "F12", 3, "File", false, false, 0, "emblem-favorite"},
        {"ExitAction", "退出(&X)", "退出|结束应用程序", "Alt+F4", 3, "File", false, false, 0, "application-exit"},
        {"SelAllAction", "全选(&A)", "全选|选择全部文本", "", 2, "Edit", false, false, 0, "edit-select-all"},
        {"FindAction", "查找(&F)...", "查找|在当前文本中查找", "Ctrl+F", 2, "Edit", false, false, 0, "edit-find"},
        {"FindNextAction", "查找下一个(&N)", "在当前文本中进行", "F3", 2, "Edit", false, false, 0, "go-down"},
        {"EditCopy", "复制(&C)", "复制|复制选中的内容", "", 0, "Edit", false, false, 0, "edit-copy"},
        {"EditCut", "剪切(&T)", "剪切|剪切选中的内容", "Ctrl+X", 0, "Edit", false, false, 0, "edit-cut"},
        {"EditPaste", "粘贴(&P)", "粘贴|插入剪贴板的内容", "Ctrl+V", 0, "Edit", false, false, 0, "edit-paste"},
        {"EditSelectAll", "全选(&A)", "全选|选择全部内容", "Ctrl+A", 0, "Edit", false, false, 0, "edit-select-all"},
        {"EditUndo", "撤消(&U)", "撤消上一次操作", "Ctrl+Z", 0, "Edit", false, false, 0, "edit-undo"},
        {"StatusAction", "状态栏(&S)", "显示/隐藏状态栏", "", 3, "View", true, true, 0, "view-paged"},
        {"TitleAction", "标题栏(&L)", "标题栏|显示/隐藏标题栏", "", 3, "View", true, true, 0, "sidebar-show"},
        {"FileToolAction", "文件", "", "", 3, "View", true, true, 0, ""},
        {"ViewToolAction", "查看", "", "", 3, "View", true, true, 0, ""},
        {"OtherToolAction", "其他", "", "", 3, "View", true, true, 0, ""},
        {"ToolsAction", "重置工具栏", "重置工具栏|恢复工具栏成缺省值", "", 3, "View", false, false, 0, "view-refresh"},
        {"WordWrapAction", "自动换行(&W)", "是否允许自动换行", "", 2, "View", true, true, 0, "format-justify-left"},
        {"BigFontAction", "字体放大(&B)", "当前文本的字体放大", "Ctrl+Shift+I", 2, "View", false, false, 0, "zoom-in"},
        {"SmallFontAction", "字体缩小(&K)", "当前文本的字体缩小", "Ctrl+Shift+O", 2, "View", false, false, 0, "zoom-out"},
        {"FullScreen", "全屏", "全屏幕显示", "F11", 3, "View", true, false, 0, "view-fullscreen"},
        {"SliderAction", "读书模式", "读书模式|进入读书模式", "F9", 2, "View", false, false, 0, "media-playback-start"},
        {"OptionAction", "选项(&O)...", "选项|设置选项", "Alt+N", 3, "View", false, false, 0, "preferences-system"},
        {"HtmlViewAction", "", "以Html方式查看", "", 2, "ViewMode", true, false, 2, "web-browser"},
        {"AboutAction", "关于(&A)...", "关于本应用程序的一些信息", "", 3, "Help", false, false, 0, "help-about"},
        {"ReadMeAction", "使用帮助(&U)", "使用帮助|教你如何使用Quirebox", "F1", 3, "Help", false, false, 0, "help-contents"},
        {"HomePageAction", "访问作者主页(&V)", "访问作者主页|欢迎访问我们的网站", "", 3, "Help", false, false, 0, "go-home"},
        {"EMailAction", "给作者写信(&W)", "给作者写信", "", 3, "Help", false, false, 0, "mail-send"},
        {"OpenAttachmentAction", "打开附件", "", "", 2, "Attachment", false, false, 0, "document-open"},
        {"SaveAsAttachmentAction", "另存为...", "", "", 2, "Attachment", false, false, 0, "document-save-as"},
        {"PropertyAttachmentAction", "属性...", "", "", 2, "Attachment", false, false, 0, "document-properties"},
        {"BigIconAction", "大图标", "", "", 2, "Attachment", true, true, 1, "view-list-icons"},
        {"SmallIconAction", "小图标", "", "", 2, "Attachment", true, false, 1, "view-list-icons"},
        {"ListShowAction", "列表", "", "", 2, "Attachment", true, false, 1, "view-list-text"},
        {"DetailAction", "详细资料", "", "", 2, "Attachment", true, false, 1, "view-list-details"},
    };
    // clang-format on
    return table;
}

}  // namespace qbx
