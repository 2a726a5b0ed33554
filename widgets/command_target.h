// A place a command can be routed to: the view, the document's commands, the application.
#pragma once

#include <QString>

namespace widgets {

// What a command's menu item and button show at the moment, as its handler says.
struct SCommandUI {
    bool bEnabled = true;
    QString strText;  // empty: the item's own text
};

class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // True when this target handles the command; bExecute false only asks.
    virtual bool OnCmdMsg(int nID, bool bExecute) = 0;
    // Asked of the target that handles nID before its item is shown or chosen; the default
    // leaves the item enabled with its own text.
    virtual void OnUpdateCmdUI(int /*nID*/, SCommandUI& /*ui*/) {}
};

}  // namespace widgets
