#include "CampaignError.h"
#include "Commands.h"
#include "StandardOutput.h"
#include "TemporaryFiles.h"

#include <iostream>

int main(int argc, char** argv) {
    TemporaryFiles::RemoveOnTermination();
    ReserveStandardStreams();
    TStandardOutput output;
    std::ostream out(&output);
    const int status = RunCli(std::vector<std::string>(argv + 1, argv + argc), out, std::cerr);
    if (const int error = output.Finish()) {
        std::cerr << "brindlewick-cli: cannot write to standard output: "
                  << CampaignErrors::Reason(error) << "\n";
        return status == 0 ? 1 : status;
    }
    return status;
}
