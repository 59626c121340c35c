# A failed point ends the plot with "Error"; what was drawn stays and the window stays usable.
select Fst.List1 1
click Fst.Command1
echo "a scale of 0: the axes, then the message"
type Fb.Text1 0
click Fb.Command1
messages
canvas Fb
echo "x cubed under f(kx) with a huge k: the power overflows"
type Fb.Text1 9
select Fb.List1 2
select Fb.List2 3
type Fb.Text5 1E200
click Fb.Command1
messages
canvas Fb
echo "x under f(x)+k with k = 1E305: y times W overflows, no row of clamped points"
select Fb.List1 0
select Fb.List2 0
type Fb.Text5 1E305
click Fb.Command1
messages
canvas Fb
echo "the window stays usable"
type Fb.Text5 0
click Fb.Command1
messages
canvas Fb
echo "a typed scale of 1E17: the frame shows its axes only, and the plot ends"
click Fb.Command2
check Fb.Check1 1
type Fb.Text1 1E17
click Fb.Command1
messages
canvas Fb
echo "text that is not a number reads as 0"
type Fb.Text1 9
type Fb.Text5 abc
click Fb.Command2
click Fb.Command1
messages
canvas Fb
