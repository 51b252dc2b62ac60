#include "BatchKernel.h"

// The cooling solver for many scenarios at once, one scenario per vector lane.
//
// Every lane repeats, operation for operation, the arithmetic of RunCoolingSimulation (CoolingSolver.cpp):
// the same run-fixed coefficients (each lane is copied from the engine's own column, set up and formed by
// SetUpSingleLiftColumn), right-hand sides once per step, a Thomas sweep per pass
// that may stop at the first row whose Q comes out bit for bit as in the previous pass, back substitution
// above that row, the surface correction and the signed change. Vector Mul, Add, Sub and Div round like
// their scalar counterparts (no fused multiply-add: -ffp-contract=off, and no reciprocals), so each lane
// produces exactly the scalar doubles.
//
// Lanes never change each other's results; only the control flow is shared:
//   - All lanes of a group have the same grid (n1), so they step together and share the pass counter of
//     the current step. Each lane keeps its own clock (ts, tm, sample index): when a lane's run ends, the
//     lane takes the next job of the call at the end of that step and starts it with the next step.
//   - A pass runs while any lane still iterates. A lane that has converged keeps its temperatures (the
//     stores blend them in), and lanes that have finished their run no longer iterate.
//   - The sweep stops at the first row where every iterating lane reproduced its Q. For a lane that
//     reproduced its Q at an earlier row, the rows in between recompute the same Q and T bits (the stored
//     Q and T of a step are always one consistent sweep of that step's right-hand sides), and the change
//     gains exact zeros there, which cannot move it across the convergence limit. The scalar solver makes
//     the same argument for the rows it leaves out.
//   - One lane that needs a full sweep (first pass of a step, or a non-finite change last pass) makes the
//     sweep full for the group; the other lanes recompute the same bits.
// Several vectors (kVectors) advance together, so that the division latency of one sweep overlaps with
// the divisions of the others.
//
// Told is not kept: the temperatures at the start of a step are T itself, so the right-hand sides are
// formed from T before the first pass. Tprev is not kept either: the back substitution stores T - Tprev
// (Diff) of the rows it recomputes, which is all the change needs.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>

#include "CoolingGrid.h"
#include "CoolingRun.h"

// The kernel keeps a few vectors in small arrays, which the sizeless vector types of the scalable targets
// do not allow; those targets are left out (the fixed-width ones of the same processors remain).
#ifndef HWY_DISABLED_TARGETS
#define HWY_DISABLED_TARGETS (HWY_SVE | HWY_SVE2 | HWY_SVE_256 | HWY_SVE2_128 | HWY_RVV)
#endif
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "BatchKernel.cpp"
#include <hwy/foreach_target.h>  // IWYU pragma: keep (compiles this file once per target)
#include <hwy/highway.h>

HWY_BEFORE_NAMESPACE();
namespace batch_kernel {
namespace HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

using DF = hn::ScalableTag<double>;
using VF = hn::Vec<DF>;
using MF = hn::Mask<DF>;

using Model = CoolingModel;
using Column = CoolingColumn<kSingleLiftNodes>;
constexpr int kRows = kSingleLiftNodes;  // node rows 0..N, N = n1 + 20 <= 70

// Vectors per group: four independent Thomas sweeps hide the division latency, and the group then runs
// close to the divider's throughput.
constexpr std::size_t kVectors = 4;
constexpr std::size_t kMaxGroup = kVectors * HWY_LANES(double);

// Working storage of one group, on the heap (about 150 KB for AVX-512). Row arrays hold row i, vector v,
// lane l at (i * kVectors + v) * L + l, so one row of the group is contiguous; lane g = v * L + l.
struct GroupStorage {
    HWY_ALIGN double W[kRows * kMaxGroup];
    HWY_ALIGN double Pivot[kRows * kMaxGroup];
    HWY_ALIGN double P[kRows * kMaxGroup];
    HWY_ALIGN double Cap[kRows * kMaxGroup];
    HWY_ALIGN double T[kRows * kMaxGroup];
    HWY_ALIGN double D[kRows * kMaxGroup];
    HWY_ALIGN double Q[kRows * kMaxGroup];
    HWY_ALIGN double Diff[kRows * kMaxGroup];  // T - Tprev of the rows the pass recomputed
    // One entry per lane.
    HWY_ALIGN double B0[kMaxGroup];
    HWY_ALIGN double E0[kMaxGroup];
    HWY_ALIGN double W0[kMaxGroup];
    HWY_ALIGN double Sky4[kMaxGroup];
    HWY_ALIGN double ConvAir[kMaxGroup];
    HWY_ALIGN double Absorbed[kMaxGroup];
    HWY_ALIGN double Air[kMaxGroup];
    HWY_ALIGN double Tavg[kMaxGroup];
    HWY_ALIGN double TavgNew[kMaxGroup];  // mat means of this step, taken by the lanes at a whole minute
    HWY_ALIGN double Live[kMaxGroup];     // 1.0 while the lane's run goes on, else 0.0
    HWY_ALIGN double Failing[kMaxGroup];  // 1.0 for the lanes whose step reached the pass limit
    double ts[kMaxGroup];                 // seconds since the lane's laydown
    double tm[kMaxGroup];                 // running minute counter of the lane
    int nSample[kMaxGroup];
    int nStop[kMaxGroup];
    CoolingCurve* pCurve[kMaxGroup];
    int* pCode[kMaxGroup];
    Column column;  // the engine's column of the job being loaded into a lane
};

// Lanes where a and the double at p differ in any bit (-0.0 differs from 0.0).
HWY_INLINE MF Differs(DF d, VF a, const double* HWY_RESTRICT p) {
    const hn::RebindToUnsigned<DF> du;
    return hn::RebindMask(d, hn::Ne(hn::BitCast(du, a), hn::BitCast(du, hn::Load(d, p))));
}

// Surface right-hand side at the surface iterate t0: ((t0k^2 - S4) * -sigma eps + absorbed) + h Ta.
HWY_INLINE VF SurfaceRhs(DF d, VF t0, VF sky4, VF absorbed, VF convAir) {
    const VF t0c = hn::Add(t0, hn::Set(d, Model::kKelvin));
    const VF t0k = hn::Mul(t0c, t0c);
    return hn::Add(
        hn::Add(hn::Mul(hn::Sub(hn::Mul(t0k, t0k), sky4), hn::Set(d, -Model::kEmissivitySigma)), absorbed),
        convAir);
}

// Whether the step that writes sample `nSample` refreshes the mat mean: fmod(ts, 60.0) == 0.0 or ts == 20.0.
// ts is a running sum of 20.0, exact in doubles (whole numbers up to 7200), so ts = 20 * nSample and the
// two tests are nSample % 3 == 0 and nSample == 1; fmod for every lane of every step would cost as much
// as a pass.
HWY_INLINE bool TakesMean(int nSample) { return nSample % 3 == 0 || nSample == 1; }

// Loads lane g with the run of `job`: the rows and surface terms of the engine's column for it (set up in
// s.column) and the drive of its boundary. pCurve and pCode receive the run's results; null for an idle
// lane, which computes but writes nothing. Returns the job's mat cell count.
int LoadLane(GroupStorage& s, std::size_t g, std::size_t L, const SolverJob& job, CoolingCurve* pCurve,
             int* pCode) {
    Column& c = s.column;
    const int n1 = SetUpSingleLiftColumn(c, job.normalized, job.boundary.dConvection);
    const SurfaceDrive drive = SurfaceDriveOf(job.boundary);
    const std::size_t stride = kVectors * L;
    // Row 0 of W, M and Cap belongs to the surface row, which the kernel keeps per lane (B0, E0, W0).
    s.P[g] = c.P[0];
    s.T[g] = c.T[0];
    for (int i = 1; i <= c.N; ++i) {
        const std::size_t o = static_cast<std::size_t>(i) * stride + g;
        s.W[o] = c.W[i];
        s.Pivot[o] = c.M[i];
        s.P[o] = c.P[i];
        s.Cap[o] = c.Cap[i];
        s.T[o] = c.T[i];
    }
    s.B0[g] = c.B[0];
    s.E0[g] = c.E[0];
    s.W0[g] = c.w0;
    s.Sky4[g] = drive.dSkyTemp4;
    s.ConvAir[g] = drive.dConvectedAir;
    s.Absorbed[g] = drive.dAbsorbedSolar;
    s.Air[g] = job.normalized.dAirTemp;
    s.Tavg[g] = 0.0;
    s.ts[g] = 0.0;
    s.tm[g] = 0.0;
    s.nSample[g] = 0;
    s.nStop[g] = kStopNeverReached;
    s.pCurve[g] = pCurve;
    s.pCode[g] = pCode;
    s.Live[g] = pCurve ? 1.0 : 0.0;
    if (pCurve) {
        pCurve->m_nLastSample = 0;
        pCurve->m_dCurveTime[0] = 0.0;
        pCurve->m_dCurveTemp[0] = job.normalized.dDeliveryTemp;
    }
    return n1;
}

// Runs the lanes of the group until none is live; all have n1 mat cells. When a lane's run ends, at the
// end of a step, refill(g) may load the next job into lane g, which then starts its own run with the
// next step of the group.
template <class Refill>
void RunGroup(GroupStorage& s, const int n1, const Refill& refill) {
    constexpr std::size_t V = kVectors;
    const DF d;
    const std::size_t L = hn::Lanes(d);
    const std::size_t G = V * L;
    const std::size_t stride = G;  // doubles per row
    const int N = n1 + 20;
    double* HWY_RESTRICT const T = s.T;
    double* HWY_RESTRICT const Q = s.Q;
    double* HWY_RESTRICT const Dr = s.D;
    double* HWY_RESTRICT const Diff = s.Diff;
    const double* HWY_RESTRICT const W = s.W;
    const double* HWY_RESTRICT const Pivot = s.Pivot;
    const double* HWY_RESTRICT const P = s.P;

    const VF zero = hn::Zero(d);
    const VF one = hn::Set(d, 1.0);
    const VF invStep = hn::Set(d, Model::kInvStep);
    const VF limit = hn::Set(d, Model::kChangeLimit);
    const VF cells = hn::Set(d, static_cast<double>(n1));

    // Stores a recomputed row: iterating lanes take the new value, the others keep theirs.
    auto storeRow = [&](std::size_t o, const VF* t, const MF* iter) {
        for (std::size_t v = 0; v < V; ++v) {
            const VF old = hn::Load(d, T + o + v * L);
            hn::Store(hn::IfThenElse(iter[v], t[v], old), d, T + o + v * L);
            hn::Store(hn::Sub(t[v], old), d, Diff + o + v * L);
        }
    };
    // Whether some iterating lane, in any vector, has a new Q that differs from the stored one.
    auto anyDiffers = [&](std::size_t o, const VF* q, const MF* iter) {
        MF m = hn::And(Differs(d, q[0], Q + o), iter[0]);
        for (std::size_t v = 1; v < V; ++v) m = hn::Or(m, hn::And(Differs(d, q[v], Q + o + v * L), iter[v]));
        return !hn::AllFalse(d, m);
    };
    auto sweepRow = [&](std::size_t o, VF* q) {
        for (std::size_t v = 0; v < V; ++v) {
            const std::size_t ov = o + v * L;
            q[v] = hn::Div(hn::Add(hn::Mul(q[v], hn::Load(d, W + ov)), hn::Load(d, Dr + ov)),
                           hn::Load(d, Pivot + ov));
        }
    };
    auto storeQ = [&](std::size_t o, const VF* q) {
        for (std::size_t v = 0; v < V; ++v) hn::Store(q[v], d, Q + o + v * L);
    };

    for (;;) {
        bool anyMean = false;  // a lane reaches a whole minute or its first step
        for (std::size_t g = 0; g < G; ++g) {
            if (s.Live[g] == 0.0) continue;
            s.tm[g] = s.tm[g] + single_lift::kMinutesPerStep;
            ++s.nSample[g];
            s.ts[g] = s.ts[g] + Model::kStepSeconds;
            anyMean = anyMean || TakesMean(s.nSample[g]);
        }

        // Right-hand sides of rows 1..N from the temperatures the step starts with.
        const std::size_t end = static_cast<std::size_t>(N + 1) * stride;
        for (std::size_t o = stride; o < end; o += L) {
            hn::Store(hn::Mul(hn::Mul(hn::Load(d, s.Cap + o), hn::Load(d, T + o)), invStep), d, Dr + o);
        }

        MF iter[V], reuse[V];  // reuse: Q and T hold a previous pass of this step, all finite
        for (std::size_t v = 0; v < V; ++v) {
            iter[v] = hn::Ne(hn::Load(d, s.Live + v * L), zero);
            reuse[v] = hn::FirstN(d, 0);
        }
        int passes = 0;
        for (;;) {
            VF T0[V], d0[V], q[V];
            bool full = false;
            for (std::size_t v = 0; v < V; ++v) {
                T0[v] = hn::Load(d, T + v * L);
                d0[v] = SurfaceRhs(d, T0[v], hn::Load(d, s.Sky4 + v * L), hn::Load(d, s.Absorbed + v * L),
                                   hn::Load(d, s.ConvAir + v * L));
                q[v] = hn::Div(d0[v], hn::Load(d, s.B0 + v * L));
                full = full || !hn::AllFalse(d, hn::AndNot(reuse[v], iter[v]));
            }

            // Forward sweep: Q[0..k-1] are new, Q[k..N] as the previous pass left them.
            int k = N + 1;
            if (full) {
                storeQ(0, q);
                for (int i = 1; i <= N; ++i) {
                    const std::size_t o = static_cast<std::size_t>(i) * stride;
                    sweepRow(o, q);
                    storeQ(o, q);
                }
            } else if (!anyDiffers(0, q, iter)) {
                k = 0;
            } else {
                storeQ(0, q);
                for (int i = 1; i <= N; ++i) {
                    const std::size_t o = static_cast<std::size_t>(i) * stride;
                    sweepRow(o, q);
                    if (!anyDiffers(o, q, iter)) {
                        k = i;
                        break;
                    }
                    storeQ(o, q);
                }
            }

            // Back substitution of the rows above k; T[0] is left to the surface correction.
            int j = 0;
            VF t[V];
            if (k > N) {
                const std::size_t o = static_cast<std::size_t>(N) * stride;
                for (std::size_t v = 0; v < V; ++v) t[v] = hn::Load(d, Q + o + v * L);
                storeRow(o, t, iter);
                j = N - 1;
            } else if (k > 1) {
                const std::size_t o = static_cast<std::size_t>(k) * stride;
                for (std::size_t v = 0; v < V; ++v) t[v] = hn::Load(d, T + o + v * L);
                j = k - 1;
            }
            for (; j >= 1; --j) {
                const std::size_t o = static_cast<std::size_t>(j) * stride;
                for (std::size_t v = 0; v < V; ++v)
                    t[v] = hn::Add(hn::Mul(t[v], hn::Load(d, P + o + v * L)), hn::Load(d, Q + o + v * L));
                storeRow(o, t, iter);
            }

            // Surface correction from the new T[1] and T[2], then the change summed from row 0 down (the
            // rows from max(k, 1) on kept their values).
            ++passes;
            const int changed = k > N ? N + 1 : (k > 1 ? k : 1);
            VF change[V], den[V];
            for (std::size_t v = 0; v < V; ++v) {
                const VF T1 = hn::Load(d, T + stride + v * L);
                const VF T2 = hn::Load(d, T + 2 * stride + v * L);
                const VF newT0 = hn::Div(hn::Add(hn::Add(hn::Mul(hn::Sub(T1, T2), hn::Load(d, s.W0 + v * L)),
                                                         hn::Mul(T1, hn::Load(d, s.E0 + v * L))),
                                                 d0[v]),
                                         hn::Load(d, s.B0 + v * L));
                hn::Store(hn::IfThenElse(iter[v], newT0, T0[v]), d, T + v * L);
                hn::Store(hn::Sub(newT0, T0[v]), d, Diff + v * L);
                den[v] = hn::Sub(T1, hn::Load(d, s.Air + v * L));
                den[v] = hn::IfThenElse(hn::Eq(den[v], zero), one, den[v]);
                change[v] = zero;
            }
            for (int i = 0; i < changed; ++i) {
                const std::size_t o = static_cast<std::size_t>(i) * stride;
                for (std::size_t v = 0; v < V; ++v)
                    change[v] = hn::Add(change[v], hn::Div(hn::Load(d, Diff + o + v * L), den[v]));
            }
            if (passes == Model::kMaxPasses) {
                // Every lane still iterating ends its run here; its counted sample gets tm and the last
                // mat mean.
                for (std::size_t v = 0; v < V; ++v)
                    hn::Store(hn::IfThenElseZero(iter[v], one), d, s.Failing + v * L);
                for (std::size_t g = 0; g < G; ++g) {
                    if (s.Failing[g] == 0.0) continue;
                    CoolingCurve& curve = *s.pCurve[g];
                    const int sample = s.nSample[g];
                    curve.m_nLastSample = sample;
                    curve.m_dCurveTime[sample] = s.tm[g];
                    curve.m_dCurveTemp[sample] = s.Tavg[g];
                    *s.pCode[g] = kStopRapidOrFailed;
                    s.Live[g] = 0.0;
                }
                break;
            }
            bool anyIterates = false;
            for (std::size_t v = 0; v < V; ++v) {
                reuse[v] = hn::IsFinite(change[v]);
                iter[v] = hn::AndNot(hn::Le(hn::Abs(change[v]), limit), iter[v]);
                anyIterates = anyIterates || !hn::AllFalse(d, iter[v]);
            }
            if (!anyIterates) break;
        }

        // Mat mean at whole minutes and at the first step.
        if (anyMean) {
            VF sum[V];
            for (std::size_t v = 0; v < V; ++v) sum[v] = zero;
            for (int jm = 1; jm <= n1; ++jm) {
                const std::size_t o = static_cast<std::size_t>(jm) * stride;
                for (std::size_t v = 0; v < V; ++v)
                    sum[v] = hn::Add(sum[v], hn::Div(hn::Load(d, T + o + v * L), cells));
            }
            for (std::size_t v = 0; v < V; ++v) hn::Store(sum[v], d, s.TavgNew + v * L);
        }

        // Stop minute, early end, sample and the end of the run, lane by lane; a lane whose run has ended
        // (here or by failing to converge) takes the next job if there is one.
        bool anyLive = false;
        for (std::size_t g = 0; g < G; ++g) {
            if (s.Live[g] != 0.0) {
                const double ts = s.ts[g];
                const double tm = s.tm[g];
                const int sample = s.nSample[g];
                if (TakesMean(sample)) s.Tavg[g] = s.TavgNew[g];
                const double tavg = s.Tavg[g];
                CoolingCurve& curve = *s.pCurve[g];
                if (tavg < STOP_TEMPERATURE && s.nStop[g] == kStopNeverReached)
                    s.nStop[g] = static_cast<int>(tm);
                curve.m_nLastSample = sample;
                bool ends = false;
                if (tavg < single_lift::kColdMatTemp) {
                    if (ts == Model::kStepSeconds) s.nStop[g] = kStopRapidOrFailed;
                    curve.m_dCurveTime[sample] = ts * single_lift::kSecondsToMinutes;
                    curve.m_dCurveTemp[sample] = tavg;
                    ends = true;
                } else {
                    curve.m_dCurveTime[sample] = tm;
                    curve.m_dCurveTemp[sample] = tavg;
                    ends = !(ts < single_lift::kRunSeconds);
                }
                if (ends) {
                    *s.pCode[g] = s.nStop[g];
                    s.Live[g] = 0.0;
                }
            }
            if (s.Live[g] == 0.0) refill(g);
            anyLive = anyLive || s.Live[g] != 0.0;
        }
        if (!anyLive) return;
    }
}

void SolveSameGrid(std::span<const SolverJob> jobs, std::span<const std::uint32_t> order,
                   std::span<int> stopCodes, std::span<CoolingCurve> curves) {
    if (order.empty()) return;
    const DF d;
    const std::size_t L = hn::Lanes(d);
    const std::size_t G = kVectors * L;
    const std::unique_ptr<GroupStorage> storage = std::make_unique_for_overwrite<GroupStorage>();
    GroupStorage& s = *storage;
    const int n1 = MatCellCount(jobs[order[0]].normalized.dLiftThickness);
    std::size_t nNext = 0;
    // Loads the next job into lane g, or leaves the lane idle when every job has been taken.
    auto refill = [&](std::size_t g) {
        if (nNext == order.size()) return;
        const std::uint32_t job = order[nNext++];
        if (LoadLane(s, g, L, jobs[job], &curves[job], &stopCodes[job]) != n1)
            throw std::invalid_argument("jobs of one kernel call differ in grid");
    };
    for (std::size_t g = 0; g < G; ++g) {
        if (nNext < order.size()) {
            refill(g);
        } else {
            // An idle lane still computes, on finite values: a copy of the first job with no outputs.
            LoadLane(s, g, L, jobs[order[0]], nullptr, nullptr);
        }
    }
    RunGroup(s, n1, refill);
}

int GroupLanes() { return static_cast<int>(kVectors * hn::Lanes(DF())); }

const char* ThisTargetName() { return hwy::TargetName(HWY_TARGET); }

}  // namespace HWY_NAMESPACE
}  // namespace batch_kernel
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace batch_kernel {
HWY_EXPORT(SolveSameGrid);
HWY_EXPORT(GroupLanes);
HWY_EXPORT(ThisTargetName);
}  // namespace batch_kernel

void SolveSameGridJobs(std::span<const SolverJob> jobs, std::span<const std::uint32_t> order,
                       std::span<int> stopCodes, std::span<CoolingCurve> curves) {
    using namespace batch_kernel;
    HWY_DYNAMIC_DISPATCH(SolveSameGrid)(jobs, order, stopCodes, curves);
}

int KernelGroupLanes() {
    using namespace batch_kernel;
    return HWY_DYNAMIC_DISPATCH(GroupLanes)();
}

const char* KernelTargetName() {
    using namespace batch_kernel;
    return HWY_DYNAMIC_DISPATCH(ThisTargetName)();
}

std::vector<std::int64_t> KernelTargets() { return hwy::SupportedAndGeneratedTargets(); }
#endif  // HWY_ONCE
