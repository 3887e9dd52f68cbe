#pragma once

#include <exception>

// Where the explorer's views send an error that ends work they started by themselves,
// outside any command of the program: expanding a folder that has gone, a drop whose handler
// failed. The views' owner gives them the program's error box; a view without one shows the
// error in a plain message box.
class TErrorReporter {
public:
    virtual ~TErrorReporter() = default;
    virtual void reportError(const std::exception& error) = 0;
};

// Shows error through reporter, or in a plain modal box without one. The box runs its own
// event loop: folder refreshes wait until it is closed, so that the nodes and items the
// caller holds are still there when this returns.
void ReportViewError(TErrorReporter* reporter, const std::exception& error);
