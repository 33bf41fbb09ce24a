#include "astro/ephemeris.h"

#include "astro/apparent.h"
#include "astro/chebyshev.h"
#include "astro/ephemeris_spans.h"
#include "astro/ephemeris_table.h"
#include "astro/lunar_series.h"
#include "astro/time_scales.h"

#include <atomic>
#include <cmath>
#include <deque>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace astro {
namespace {

using spans::ApparentSpan;
using spans::StateSpan;

constexpr std::size_t KeptSpans = 128;

// Spans of one kind kept for the process's life, up to KeptSpans, the
// oldest forgotten first.
template <class SpanType>
struct KeptSet {
    std::mutex Lock;
    std::unordered_map<long long, std::shared_ptr<const SpanType>> Spans;
    std::deque<long long> Order; // oldest first

    void Clear()
    {
        const std::lock_guard<std::mutex> lock(Lock);
        Spans.clear();
        Order.clear();
    }
};

std::atomic<unsigned> Generation{0}; // counts the clearings

KeptSet<StateSpan>& KeptStates()
{
    static KeptSet<StateSpan> kept;
    return kept;
}

KeptSet<ApparentSpan>& KeptApparent()
{
    static KeptSet<ApparentSpan> kept;
    return kept;
}

void RequireSupported(double tt)
{
    if (!(std::fabs(tt) < spans::LimitDays))
        throw TimeRangeError("Dates before 1900 or after 2100 are not supported");
}

// The span `index` of `kept`, made by `make` (under the lock) when it is
// not kept.
template <class SpanType, class Make>
std::shared_ptr<const SpanType> Find(KeptSet<SpanType>& kept, long long index, const Make& make)
{
    const std::lock_guard<std::mutex> lock(kept.Lock);
    const auto found = kept.Spans.find(index);
    if (found != kept.Spans.end())
        return found->second;
    auto span = std::make_shared<const SpanType>(make());
    if (kept.Order.size() >= KeptSpans) {
        kept.Spans.erase(kept.Order.front());
        kept.Order.pop_front();
    }
    kept.Spans.emplace(index, span);
    kept.Order.push_back(index);
    return span;
}

// The span holding `tt`: the one this thread used last when it still is
// (and no clearing came since), else a kept one, else one made. The
// reference holds until this thread's next call.
template <class SpanType, class Make>
const SpanType& SpanAt(KeptSet<SpanType>& kept, double tt, const Make& make)
{
    RequireSupported(tt);
    const long long index = spans::SpanIndex(tt);
    thread_local std::shared_ptr<const SpanType> last;
    thread_local unsigned lastGeneration = 0;
    const unsigned generation = Generation.load(std::memory_order_acquire);
    if (!last || last->Index != index || lastGeneration != generation) {
        last = Find(kept, index, [&] { return make(index); });
        lastGeneration = generation;
    }
    return *last;
}

const StateSpan& StateSpanAt(double tt)
{
    return SpanAt(KeptStates(), tt, [](long long index) { return spans::FitState(index); });
}

// From the linked table where it covers the span, else fitted here as the
// table's maker fits it, from the state span (kept for the planets too).
const ApparentSpan& ApparentSpanAt(double tt)
{
    return SpanAt(KeptApparent(), tt, [](long long index) {
        const table::Table* linked = table::LinkedTable();
        if (linked && linked->Covers(index))
            return linked->SpanAt(index);
        return spans::FitApparent(*Find(KeptStates(), index, [index] { return spans::FitState(index); }));
    });
}

} // namespace

GeocentricState StateAt(double tt, Evaluation how)
{
    if (how == Evaluation::Direct) {
        RequireSupported(tt);
        return spans::DirectState(tt);
    }
    return spans::StateFrom(StateSpanAt(tt), tt);
}

Vector ApparentPosition(Body body, double tt, Evaluation how)
{
    if (how == Evaluation::Direct) {
        RequireSupported(tt);
        return ApparentFromState(body, tt, spans::DirectState(tt), MoonSeriesGcrs);
    }
    return ApparentSpanAt(tt).VectorAt(body == Body::Sun ? spans::SunApparentRow : spans::MoonApparentRow, tt);
}

ApparentAndOrigins ApparentAt(Body body, double tt, Evaluation how)
{
    if (how == Evaluation::Direct)
        return {ApparentPosition(body, tt, how), EquationOfOriginsAt(tt, how)};
    const ApparentSpan& span = ApparentSpanAt(tt);
    const int row = body == Body::Sun ? spans::SunApparentRow : spans::MoonApparentRow;
    const double* series[4] = {span.Coefficients[row], span.Coefficients[row + 1], span.Coefficients[row + 2],
                               span.Coefficients[spans::EquationOfOriginsRow]};
    double q[4];
    ChebyshevValues(series, spans::Nodes, span.X(tt), q);
    return {Vector{{q[0], q[1], q[2]}}, q[3]};
}

double EquationOfOriginsAt(double tt, Evaluation how)
{
    if (how == Evaluation::Direct) {
        RequireSupported(tt);
        return spans::DirectOrientation(tt).EquationOfOrigins;
    }
    return ApparentSpanAt(tt).Value(spans::EquationOfOriginsRow, tt);
}

double TrueObliquityAt(double tt, Evaluation how)
{
    if (how == Evaluation::Direct) {
        RequireSupported(tt);
        return spans::DirectOrientation(tt).TrueObliquity;
    }
    return ApparentSpanAt(tt).Value(spans::TrueObliquityRow, tt);
}

void ClearFittedSpans()
{
    KeptStates().Clear();
    KeptApparent().Clear();
    Generation.fetch_add(1, std::memory_order_release);
}

} // namespace astro
