// qnjavagen: the Java generator. Started with -Automation (or -Embedding) it
// serves its automation object on standard input and output and shows its
// progress on standard error; started otherwise it registers itself.
#include <string>
#include <vector>

#include "app/riraze_app.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv, argv + argc);
  qn::app::CRirazeApp app;
  return app.Run(args);
}
