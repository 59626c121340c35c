# Start, continuing an experiment, and what resets it.
select Fst.List1 7
click Fst.Command1
echo "ten throws of a coin: heads where the draw is at least one half"
random 0.7 0.2 0.9 0.6 0.1 0.3 0.8 0.4 0.55 0.45
click Ff.Command1
text Ff.Text8
text Ff.Text7
canvas Ff
echo "twenty tests: ten more lines, the diagram redrawn from the first test"
type Ff.Text8 "kept\r\n"
random 0.9 0.9 0.9 0.9 0.9 0.1 0.1 0.1 0.1 0.1
type Ff.Text4 20
click Ff.Command1
text Ff.Text8
text Ff.Text7
canvas Ff
echo "the same number again: the message, and everything cleared"
click Ff.Command1
messages
text Ff.Text8
text Ff.Text7
canvas Ff
echo "then Start runs from the first test"
random 0.9 0.9 0.9 0.9 0.9 0.9 0.9 0.9 0.9 0.9 0.1 0.1 0.1 0.1 0.1 0.1 0.1 0.1 0.1 0.1
click Ff.Command1
text Ff.Text7
canvas Ff
echo "no number of tests, or none: the message"
type Ff.Text4 ""
click Ff.Command1
messages
type Ff.Text4 "x"
click Ff.Command1
messages
