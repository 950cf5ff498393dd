// A prompted object of the golden case trn_buttons (hand-written).
import com.quenora.*;

public final class citypick {
   public citypick(int remoteHandle, ModelContext context) {}
   public void execute(QNString... parameters) {}
}
