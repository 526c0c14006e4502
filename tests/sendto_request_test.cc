#include "tools/sendto_request.h"

#include "tests/test_support.h"

// What falvex-sendto makes of its words. Each row: the arguments, then the
// request as action, name, options and error ("!" before an error that
// shows the usage with it).
TEST(SendToRequestTest, WordsAndOptions) {
  const struct {
    const char* arguments;
    const char* request;
  } rows[] = {
      {"--help", "usage"},
      {"-h x", "usage"},
      {"--helpme", "create Falvex  !no such option: --helpme"},
      {"-x Name", "create Falvex  !no such option: -x"},
      {"--force -- -dash /#w", "create -dash /#w "},
      {"\"My Sendto\" /#d=move  ", "create My Sendto /#d=move "},
      {"Name -h", "create Name -h "},  // after NAME, Falvex's options
      {"Name --force /#w", "create Name /#w "},
      {"nul.txt", "create nul.txt  \"nul.txt\" cannot be a shortcut name: it is the name of "
                  "a device"},
  };
  for (const auto& row : rows) {
    SendToRequest r = parseSendToRequest(row.arguments);
    const char* action[] = {"create", "remove", "usage"};
    std::string shown = action[r.action];
    if (r.action != SendToRequest::kShowUsage)
      shown += " " + r.name + " " + r.options + " " + (r.misused ? "!" : "") + r.error;
    EXPECT_EQ(shown, row.request) << row.arguments;
  }
}
