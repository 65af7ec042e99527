#include "MenuLayout.h"

namespace qbx {

const std::vector<TMenuRow>& MainMenuTable() {
    static const std::vector<TMenuRow> menus = {
        {"FileMenuItem",
         "文件(&F)",
         {"OpenAction", "CloseAction", "-", "ExportAction", "MakeExeAction", "PrintAction", "-", ">RecentFileMenuitem",
          "-", "MyLoveMenuItem", "-MyLoveNextMenuItem", "ExitAction"}},
        {"EditMenuItem", "编辑(&E)", {"CopyAction", "-", "SelAllAction", "FindAction", "FindNextAction"}},
        {"ViewMenuItem",
         "查看(&V)",
         {"StatusAction", "TitleAction", ">ToolbarsMenuitem", "WordWrapAction", "BigFontAction", "SmallFontAction", "-",
          "FullScreen", "SliderAction", "-", "OptionAction", "-", ">LanguageMenuItem"}},
        {"HelpMenuItem", "帮助(&H)", {"AboutAction", "ReadMeAction", "-", "HomePageAction", "EMailAction"}},
    };
    return menus;
}

const std::vector<TMenuRow>& OtherMenuTable() {
    static const std::vector<TMenuRow> menus = {
        {"RecentFileMenuitem", "最近打开Quirebox(&R)", {}},
        {"ToolbarsMenuitem", "工具栏(&T)", {"FileToolAction", "ViewToolAction", "OtherToolAction", "-", "ToolsAction"}},
        {"LanguageMenuItem", "语言(Language)", {}},
        {"TreeViewPopupMenu", "", {">togglebookmark", ">gobookmark", "-", "ExporttoNormalMenuitem"}},
        {"togglebookmark", "设置书签", {}},
        {"gobookmark", "转到书签", {}},
        {"RichEditPopupMenu", "", {"CopyAction", "SelAllAction"}},
        {"ControlPopMenu", "", {"FileToolAction", "ViewToolAction", "OtherToolAction", "-", "ToolsAction"}},
        {"AttachMentPopMenu",
         "",
         {"OpenAttachmentAction", "SaveAsAttachmentAction", "-", "PropertyAttachmentAction", "BigIconAction",
          "SmallIconAction", "ListShowAction", "DetailAction"}},
        {"RecentPopupMenu", "", {}},
    };
    return menus;
}

const std::vector<TToolbarRow>& ToolbarTable() {
    static const std::vector<TToolbarRow> toolbars = {
        {"FileToolBar", "文件工具栏", 11, 2, 104, {"OpenAction", "-", "MyLoveToolButton", "-", "PrintAction"}},
        {"OtherToolBar",
         "其他工具栏",
         128,
         2,
         205,
         {"CopyAction", "-", "FindAction", "-", "AboutAction", "ReadMeAction", "-", "HomePageAction", "EMailAction",
          "-", "ExitAction"}},
        {"ViewToolBar",
         "查看工具栏",
         346,
         2,
         169,
         {"StatusAction", "TitleAction", "WordWrapAction", "-", "BigFontAction", "SmallFontAction", "-",
          "SliderAction"}},
    };
    return toolbars;
}

const std::vector<TToolbarReset>& ToolbarResetTable() {
    static const std::vector<TToolbarReset> table = {
        {"OtherToolBar", 128, 30, 205},
        {"ViewToolBar", 346, 30, 169},
        {"FileToolBar", 11, 30, 104},
    };
    return table;
}

}  // namespace qbx
