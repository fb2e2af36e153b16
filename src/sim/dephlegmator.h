#pragma once
// The dephlegmator: the share of the rising vapour it condenses. With water
// flowing it condenses everything within seconds; without water the water
// already in it warms and boils off and it condenses less and less over a
// minute or so.
namespace kolvar::sim {

class Dephlegmator {
 public:
  void run(double dt, bool water_flowing);
  double condensed_share() const { return share_; }

 private:
  double share_ = 1;  // starts full of cold water
};

}  // namespace kolvar::sim
