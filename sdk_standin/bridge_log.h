// The lines that the bridge writes into the SDK's log: it sends each one as a
// callExperimentalAPI request of the operation "internal_operation_write_log".
// The stand-in keeps their contents for tests and, while the simulated world
// runs, prints each on stderr, so that a developer who tries an app against
// the world sees, for example, that envelopes were refused.
#ifndef ZELBRIDGE_SDK_STANDIN_BRIDGE_LOG_H_
#define ZELBRIDGE_SDK_STANDIN_BRIDGE_LOG_H_

namespace zel_standin {
namespace bridge_log {

// Keeps the content of request if it is a log line; prints it when printing.
void Take(const char* request, bool printing);
void Clear();

}  // namespace bridge_log
}  // namespace zel_standin

#endif  // ZELBRIDGE_SDK_STANDIN_BRIDGE_LOG_H_
