#include <gtest/gtest.h>

#include "platform/SharedLibrary.h"

namespace platform {
namespace {

TEST(SharedLibrary, LoadsByPathAndBindsByName) {
  SharedLibrary library = SharedLibrary::Load("libm.so.6");
  ASSERT_TRUE(library.IsLoaded());
  auto* cosine = library.Bind<double(double)>("cos");
  ASSERT_NE(cosine, nullptr);
  EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
  EXPECT_EQ(library.Symbol("no_such_function_here"), nullptr);
}

TEST(SharedLibrary, MissingLibraryIsNotLoaded) {
  SharedLibrary library = SharedLibrary::Load("/nonexistent/2011.ixocore");
  EXPECT_FALSE(library.IsLoaded());
  EXPECT_FALSE(SharedLibrary::LastError().empty());
  EXPECT_EQ(library.Symbol("IxoMapText"), nullptr);
}

TEST(SharedLibrary, ProgramImageBindsWhatTheProgramReaches) {
  SharedLibrary program = SharedLibrary::Program();
  ASSERT_TRUE(program.IsLoaded());
  EXPECT_NE(program.Symbol("malloc"), nullptr);
  EXPECT_EQ(program.Symbol("no_such_function_here"), nullptr);
}

}  // namespace
}  // namespace platform
