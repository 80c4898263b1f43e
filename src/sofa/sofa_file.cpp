#include "sofa/sofa_file.h"

#include <netcdf.h>

#include <array>
#include <initializer_list>
#include <string_view>

#include "model/atomic_file.h"

namespace zef::sofa {
namespace {

// One open netCDF file; every call after the first failure does nothing, so
// a writer can run straight through and ask once at the end.
class NetCdf {
 public:
  explicit NetCdf(const std::filesystem::path& path) {
    Check(nc_create(path.c_str(), NC_CLOBBER | NC_NETCDF4, &id_));
    open_ = status_ == NC_NOERR;
  }
  NetCdf(const NetCdf&) = delete;
  NetCdf& operator=(const NetCdf&) = delete;
  ~NetCdf() {
    if (open_) nc_close(id_);
  }

  int Dimension(const char* name, std::size_t length) {
    int dim = -1;
    if (ok()) Check(nc_def_dim(id_, name, length, &dim));
    return dim;
  }
  void Text(int variable, const char* name, std::string_view text) {
    if (ok()) Check(nc_put_att_text(id_, variable, name, text.size(), text.data()));
  }
  // A double variable over the dimensions, with its values and attributes.
  void Variable(const char* name, std::initializer_list<int> dims, const double* values,
                std::initializer_list<std::pair<const char*, std::string_view>> attributes = {}) {
    if (!ok()) return;
    const std::vector<int> ids(dims);
    int variable = -1;
    Check(nc_def_var(id_, name, NC_DOUBLE, static_cast<int>(ids.size()), ids.data(), &variable));
    for (const auto& [key, text] : attributes) Text(variable, key, text);
    if (ok()) Check(nc_put_var_double(id_, variable, values));
  }
  bool Close() {
    if (open_) {
      open_ = false;
      Check(nc_close(id_));
    }
    return ok();
  }
  bool ok() const { return status_ == NC_NOERR; }
  const char* Message() const { return nc_strerror(status_); }

 private:
  void Check(int status) {
    if (status_ == NC_NOERR) status_ = status;
  }
  int id_ = -1;
  bool open_ = false;
  int status_ = NC_NOERR;
};

constexpr std::string_view kSpherical = "spherical";
constexpr std::string_view kCartesian = "cartesian";
constexpr std::string_view kSphericalUnits = "degree, degree, metre";
constexpr std::string_view kMetre = "metre";

bool Write(NetCdf& nc, const SofaBalloon& b) {
  for (const auto& [name, text] : b.attributes) nc.Text(NC_GLOBAL, name.c_str(), text);
  const int i = nc.Dimension("I", 1);
  const int c = nc.Dimension("C", 3);
  const int m = nc.Dimension("M", 1);
  const int r = nc.Dimension("R", b.ReceiverCount());
  const int e = nc.Dimension("E", 1);
  const int n = nc.Dimension("N", b.frequencies.size());
  const std::array<double, 3> origin{0, 0, 0};
  const std::array<double, 3> front{1, 0, 0};
  const std::array<double, 3> up{0, 0, 1};
  nc.Variable("ListenerPosition", {i, c}, origin.data(), {{"Type", kCartesian}, {"Units", kMetre}});
  nc.Variable("ListenerUp", {i, c}, up.data());
  nc.Variable("ListenerView", {i, c}, front.data(), {{"Type", kCartesian}, {"Units", kMetre}});
  nc.Variable("ReceiverPosition", {r, c}, b.receivers.data(),
              {{"Type", kSpherical}, {"Units", kSphericalUnits}});
  nc.Variable("SourcePosition", {i, c}, origin.data(),
              {{"Type", kCartesian},
               {"Units", kMetre},
               {"Reference", "The point the loudspeaker was turned about in the measurement"}});
  nc.Variable("SourceUp", {i, c}, up.data(),
              {{"Reference", "Along the first arc of the balloon, 90 degrees above the axis"}});
  nc.Variable("SourceView", {i, c}, front.data(),
              {{"Type", kCartesian},
               {"Units", kMetre},
               {"Reference", "The on-axis direction of the balloon"}});
  nc.Variable("EmitterPosition", {e, c}, origin.data(), {{"Type", kCartesian}, {"Units", kMetre}});
  nc.Variable("N", {n}, b.frequencies.data(), {{"LongName", "frequency"}, {"Units", "hertz"}});
  nc.Variable("Data.Real", {m, r, n}, b.real.data());
  nc.Variable("Data.Imag", {m, r, n}, b.imag.data());
  return nc.Close();
}

}  // namespace

bool WriteSofaFile(const std::filesystem::path& target, const SofaBalloon& balloon,
                   std::string& error) {
  if (balloon.frequencies.empty()) {
    error = "Cannot write " + target.string() + ": the set has no bands";
    return false;
  }
  std::string failure;
  const bool written = model::WriteFileAtomically(
      target,
      [&balloon, &failure](const std::filesystem::path& temp) {
        NetCdf nc(temp);
        if (Write(nc, balloon)) return true;
        failure = nc.Message();
        return false;
      },
      error);
  if (!failure.empty()) error += ": " + failure;
  return written;
}

}  // namespace zef::sofa
