# Printing one page, one and a half times the canvas, from the boxes as they are at the press.
# The runner's printed lists every operation of the page; no unit test prints through the
# window, so the whole page is the expectation.
select Fst.List1 1
click Fst.Command1
select Fb.List1 1
select Fb.List2 0
type Fb.Text5 -3
type Fb.Text1 4
printer fb-page.pdf
click Fb.Prt
printed
messages
canvas Fb
echo "1/x under f(x)+k: two strokes, each ending at the clamp beyond the page box"
select Fb.List1 3
type Fb.Text5 1
type Fb.Text1 3
printer fb-hyperbola.pdf
click Fb.Prt
printed
echo "a typed scale of 1E17 prints the axes only, though the grid is on"
check Fb.Check1 1
type Fb.Text1 1E17
printer fb-huge.pdf
click Fb.Prt
printed
# No printer is queued for the failed presses: a job sent to the printer would fail the script.
echo "a failed point: the message, and the half-drawn page is not sent"
type Fb.Text1 0
click Fb.Prt
messages
type Fb.Text1 9
select Fb.List1 2
select Fb.List2 3
type Fb.Text5 1E200
click Fb.Prt
messages
