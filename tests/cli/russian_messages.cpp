// The batch tool's tests expect its messages in Russian, whatever the language of
// the machine that runs them: LANGUAGE is set before the first test, and the tool
// run from a test inherits it. A test of English sets its own for its run.
#include <cstdlib>

namespace {

[[maybe_unused]] const bool russianMessages = ::setenv("LANGUAGE", "ru", 1) == 0;

}  // namespace
