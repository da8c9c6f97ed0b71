#include "ui/ProgramStart.h"

#include "core/OneProgramAtATime.h"
#include "ui/MessageBoxes.h"

namespace lumbrant {

int StartProgram(const std::function<std::string()>& findWorkDir,
                 const std::function<int()>& runWindow) {
    return RunAsTheOnlyProgram(
        findWorkDir, runWindow,
        [](const std::string& text) {
            MessageBoxes::Information(nullptr, QString::fromStdString(text));
        },
        [](const std::string& text) {
            MessageBoxes::Error(nullptr, QString::fromLocal8Bit(text.c_str()));
        });
}

} // namespace lumbrant
