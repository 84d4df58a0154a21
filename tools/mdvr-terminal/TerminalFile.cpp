#include "tools/mdvr-terminal/TerminalFile.h"

namespace mdvr::refhost {

jt808::TerminalSide::Store ServeFile(TerminalStore& store) {
    return {[&store](const jt808::Bytes& ids) {
                return store.AnswerList(ids.empty() ? std::nullopt : std::optional(ids));
            },
            [&store](const jt808::Bytes& list) {
                try {
                    return store.ApplyAndSave(list);
                } catch (const std::exception&) {
                    return false;  // the old file is intact, and so is the terminal
                }
            }};
}

}  // namespace mdvr::refhost
