# Printing the chosen family on one page, one and a half times the canvas, sampled every 10 twips
# with every clamped sample set on its own: the branches of tan x end on the clamp lines.
# The runner's printed lists every operation of the page; no unit test prints through the
# window, so the whole page is the expectation.
select Fst.List1 5
click Fst.Command1
select Fe.List1 4
type Fe.Text2 1
type Fe.Text3 1
type Fe.Text1 5
click Fe.Command1
printer fe-page.pdf
click Fe.Prt
printed
messages
echo "printing leaves the canvas alone"
canvas Fe
# No printer is queued for the presses below: a job sent to the printer would fail the script.
echo "an overflowing point: the message, and the half-drawn page is not sent"
select Fe.List1 2
type Fe.Text2 1E307
click Fe.Prt
messages
echo "a scale of 0"
select Fe.List1 0
type Fe.Text2 1
type Fe.Text1 0
click Fe.Prt
messages
canvas Fe
