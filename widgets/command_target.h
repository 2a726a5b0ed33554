// A place a command can be routed to: the view, the document's commands, the application.
#pragma once

namespace widgets {

class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;
    // True when this target handles the command; bExecute false only asks.
    virtual bool OnCmdMsg(int nID, bool bExecute) = 0;
};

}  // namespace widgets
