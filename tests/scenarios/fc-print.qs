# Printing one page: every 10 twips with the standard pen rule, whatever the window samples.
# The runner's printed lists every operation of the page; no unit test prints through the
# window, so the whole page is the expectation.
select Fst.List1 2
click Fst.Command1
select Fc.List1 4
select Fc.List2 4
type Fc.Text5 1
type Fc.Text3 2
type Fc.Text2 1
type Fc.Text4 1
type Fc.Text1 3
printer fc-page.pdf
click Fc.Prt
printed
messages
canvas Fc
echo "y = x at a typed scale of 1E17, with the grid on: every 10 twips, and the axes only"
select Fc.List1 0
select Fc.List2 0
check Fc.Check1 1
type Fc.Text1 1E17
printer fc-huge.pdf
click Fc.Prt
printed
# No printer is queued for the failed presses: a job sent to the printer would fail the script.
echo "a failed point: the message, and the half-drawn page is not sent"
type Fc.Text1 0
click Fc.Prt
messages
type Fc.Text1 9
select Fc.List1 2
select Fc.List2 3
type Fc.Text4 1E200
click Fc.Prt
messages
