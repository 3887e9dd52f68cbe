// Runs the whole program with a dialog service that prints every message and answers it, so
// that ctest can check the start-up on screens of any size (the offscreen platform's
// configfile sets the screen).
#include "DialogService.h"
#include "Startup.h"

#include <cstdio>

namespace {

class PrintingDialogs : public TDialogService {
public:
    TMessageAnswer ShowMessage(const TMessageRequest& request) override {
        std::printf("message: [%s] %s%s\n", request.Caption.toUtf8().constData(),
                    request.Text.toUtf8().constData(), request.Owner ? "" : " (no owner)");
        std::fflush(stdout);
        return request.Buttons == TMessageButtons::Ok ? TMessageAnswer::Ok : TMessageAnswer::No;
    }
    bool ExecuteOpen(TFileDialog&, QWidget*) override { return false; }
    bool ExecuteSave(TFileDialog&, QWidget*) override { return false; }
    bool ExecuteFolder(TFolderDialog&, QWidget*) override { return false; }
};

} // namespace

int main(int argc, char** argv) {
    PrintingDialogs dialogs;
    const int result = RunProgram(argc, argv, dialogs);
    std::printf("exit %d\n", result);
    return result;
}
