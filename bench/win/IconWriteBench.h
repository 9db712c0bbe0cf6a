// One icon change's file write: our single write of the 958 bytes against writing the same
// bytes as 258 runs, each opening the file, writing at its offset and closing it again.
#pragma once

namespace vantor::bench {

struct IconWriteFigures {
  bool sameBytes = false;  // both ways leave exactly the encoded icon in the file
  double singleUs = 0;
  double runsUs = 0;
  int runs = 0;
};

IconWriteFigures RunIconWriteBench();

}  // namespace vantor::bench
