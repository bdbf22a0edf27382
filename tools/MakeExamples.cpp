// Writes the sample projects into the folder named on the command line (the
// repository's examples folder when they change).
#include <exception>
#include <filesystem>
#include <iostream>

#include "ExampleProjects.h"
#include "editor/model/QlxProjectFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quor_make_examples <output folder>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  try {
    for (quor::ExampleProject& project : quor::BuildExampleProjects()) {
      quor::SaveQlxProjectFile(folder / project.fileName, project.settings, *project.structure);
      std::cout << (folder / project.fileName).string() << '\n';
    }
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
